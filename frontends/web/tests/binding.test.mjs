// The page's declarations of the core (src/core.ts) against the binding
// (wasm/binding.cpp): the classes and functions EMSCRIPTEN_BINDINGS
// registers are the ones declared, by name, and every value the built core
// returns has exactly the declared shape: each declared field, no other,
// each of its declared type.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import ts from "typescript";
import { serve, launch, openProgram, repo } from "./browser.mjs";

const web = join(repo, "frontends/web");
const source = ts.createSourceFile("core.ts", readFileSync(join(web, "src/core.ts"), "utf8"), ts.ScriptTarget.ES2022, true);
const declared = new Map();
for (const node of source.statements)
  if (ts.isInterfaceDeclaration(node) || ts.isTypeAliasDeclaration(node)) declared.set(node.name.text, node);

const nameOf = (member) => member.name.getText(source);
const methods = (name) => new Map(declared.get(name).members.filter(ts.isMethodSignature).map((m) => [nameOf(m), m]));
// Embind gives every object of a bound class delete(); the binding does not list it.
const boundMethods = (name) => [...methods(name).keys()].filter((m) => m !== "delete").sort();
const core = declared.get("Core").members;
const declaredClasses = core.filter((m) => ts.isPropertySignature(m) && ts.isConstructorTypeNode(m.type)).map(nameOf).sort();
const declaredFunctions = [...methods("Core").keys()].sort();

// What EMSCRIPTEN_BINDINGS registers: classes with their functions, and
// free functions. Anything else there is not understood, and fails.
function bindings() {
  const text = readFileSync(join(web, "wasm/binding.cpp"), "utf8");
  const at = text.indexOf("EMSCRIPTEN_BINDINGS");
  assert.ok(at >= 0, "binding.cpp has no EMSCRIPTEN_BINDINGS block");
  const open = text.indexOf("{", at);
  const body = text.slice(open + 1, text.indexOf("\n}", open));
  const classes = new Map();
  const functions = [];
  for (const statement of body.split(";").map((s) => s.replace(/\s+/g, " ").trim()).filter(Boolean)) {
    const cls = /^emscripten::class_<[^>]*>\("(\w+)"\)/.exec(statement);
    const fn = /^emscripten::function\("(\w+)", [^,()]+\)$/.exec(statement);
    if (cls) {
      const rest = statement.slice(cls[0].length).replace(/\.constructor<>\(\)/, "");
      const names = [...rest.matchAll(/\.function\("(\w+)", [^,()]+\)/g)].map((m) => m[1]);
      assert.equal(rest.replace(/\.function\("(\w+)", [^,()]+\)/g, "").trim(), "",
        `a binding the check does not read in class ${cls[1]}: ${rest}`);
      classes.set(cls[1], names.sort());
    } else if (fn) functions.push(fn[1]);
    else assert.fail(`a binding the check does not read: ${statement}`);
  }
  return { classes, functions: functions.sort() };
}

// Whether a value has the declared type; the first difference, or "".
function mismatch(type, value, path) {
  const got = () => `${path}: ${JSON.stringify(value)} is not ${type.getText(source)}`;
  switch (type.kind) {
  case ts.SyntaxKind.StringKeyword: return typeof value === "string" ? "" : got();
  case ts.SyntaxKind.NumberKeyword: return typeof value === "number" ? "" : got();
  case ts.SyntaxKind.BooleanKeyword: return typeof value === "boolean" ? "" : got();
  case ts.SyntaxKind.VoidKeyword: return value === undefined ? "" : got();
  case ts.SyntaxKind.ParenthesizedType: return mismatch(type.type, value, path);
  case ts.SyntaxKind.LiteralType:
    if (type.literal.kind === ts.SyntaxKind.NullKeyword) return value === null ? "" : got();
    if (ts.isStringLiteral(type.literal)) return value === type.literal.text ? "" : got();
    break;
  case ts.SyntaxKind.UnionType: {
    const each = type.types.map((t) => mismatch(t, value, path));
    return each.includes("") ? "" : `${got()}:\n  ${each.join("\n  ")}`;
  }
  case ts.SyntaxKind.ArrayType:
    if (!Array.isArray(value)) return got();
    for (const [i, item] of value.entries()) {
      const m = mismatch(type.elementType, item, `${path}[${i}]`);
      if (m) return m;
    }
    return "";
  case ts.SyntaxKind.TypeLiteral: return fields(type.members, value, path);
  case ts.SyntaxKind.TypeReference: {
    const name = type.typeName.getText(source);
    if (name === "Record" && type.typeArguments?.length === 2) {
      if (typeof value !== "object" || value === null || Array.isArray(value)) return got();
      for (const [k, v] of Object.entries(value)) {
        const m = mismatch(type.typeArguments[1], v, `${path}.${k}`);
        if (m) return m;
      }
      return "";
    }
    const decl = declared.get(name);
    if (decl && ts.isInterfaceDeclaration(decl)) return fields(decl.members, value, `${path}<${name}>`);
    if (decl) return mismatch(decl.type, value, `${path}<${name}>`);
    break;
  }
  }
  throw new Error(`${path}: the check does not read the type ${type.getText(source)}`);
}

// An object with exactly the declared fields.
function fields(members, value, path) {
  if (typeof value !== "object" || value === null || Array.isArray(value))
    return `${path}: ${JSON.stringify(value)} is not an object`;
  const props = members.filter(ts.isPropertySignature);
  const known = new Set(props.map(nameOf));
  const extra = Object.keys(value).filter((k) => !known.has(k));
  if (extra.length) return `${path}: fields not declared: ${extra.join(", ")}`;
  for (const p of props) {
    if (!(nameOf(p) in value)) {
      if (p.questionToken) continue;
      return `${path}: declared field ${nameOf(p)} missing`;
    }
    const m = mismatch(p.type, value[nameOf(p)], `${path}.${nameOf(p)}`);
    if (m) return m;
  }
  return "";
}

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

test("the binding registers just the declared classes, methods and functions", () => {
  const { classes, functions } = bindings();
  assert.deepEqual([...classes.keys()].sort(), declaredClasses, "classes bound vs Core's constructors");
  for (const [name, bound] of classes) assert.deepEqual(bound, boundMethods(name), `${name}'s functions vs its interface`);
  assert.deepEqual(functions, declaredFunctions, "functions bound vs Core's methods");
});

test("every value the core returns has its declared shape", async () => {
  const { page, problems } = await openProgram(browser.context, server.url);
  // Each call of a session: the method, its arguments and what it returned.
  const { calls, prototype, lastForm } = await page.evaluate(async () => {
    const core = await createBookkeeper();
    const calls = [];
    const call = (target, method, ...args) => {
      const result = target[method](...args);
      calls.push({ method, args, result });
      return result;
    };
    const s = new core.Session();
    const texts = call(core, "uiTexts");
    for (let form = 0; form <= texts.lastForm + 1; ++form) call(core, "windowSpec", form);
    call(s, "amountsToFen");
    call(s, "setAmountsToFen", false);
    call(s, "start");
    call(s, "completions", 1, 1, "应");
    call(s, "shownKey", "回购股票");
    call(s, "subjects", 1, 1);
    call(s, "downOpensBrowse", 1, 1, false);
    call(s, "setText", 1, 1, "应付票据");
    call(s, "click", 1, "button", 1);
    call(s, "click", 1, "nothing", 1);
    call(s, "setText", 1, 1, "开立备用");
    call(s, "click", 1, "button", 1);
    call(s, "setText", 1, 1, "材料成本差异");
    call(s, "click", 1, "button", 1);
    const form = s.visible()[0];
    call(s, "setText", form, 1, "2");
    call(s, "setText", form, 2, "1e308");
    call(s, "setText", form, 3, "1e308x");
    call(s, "fieldNote", form, 3);
    call(s, "setText", form, 3, "1e308");
    call(s, "click", form, "button", 1);
    call(s, "setText", form, 3, "0");
    call(s, "setText", form, 1, "0.5");
    call(s, "click", form, "button", 1);
    call(s, "lines", form);
    call(s, "texts", form);
    call(s, "table", form, null);
    call(s, "table", form, { anchorLine: 0, anchorColumn: 1, endLine: 1, endColumn: 0 });
    call(s, "vouchers", form, "2026-12-07", "2", [[1]]);
    call(s, "click", form, "button", 2);
    call(s, "canUndoClear", form);
    call(s, "undoClear", form);
    call(s, "work");
    call(s, "restoreWork", "bookkeeper session 1\nend\n");
    call(core, "capital", "1409.50");
    call(core, "capital", "12abc");
    call(s, "activated", 1);
    call(s, "visible");
    call(s, "close", form);
    call(s, "close", 1);
    call(s, "ended");
    call(s, "clearAll");
    s.delete();
    const prototype = Object.getOwnPropertyNames(core.Session.prototype).filter((n) => n !== "constructor");
    return { calls, prototype, lastForm: texts.lastForm };
  });

  assert.deepEqual(prototype.sort(), boundMethods("Session"), "the built Session's functions");
  const session = methods("Session");
  const coreMethods = methods("Core");
  for (const { method, args, result } of calls) {
    const signature = session.get(method) ?? coreMethods.get(method);
    assert.ok(signature, `${method} is not declared`);
    const m = mismatch(signature.type, result, `${method}(${args.map((a) => JSON.stringify(a)).join(", ")})`);
    if (m) assert.fail(m);
  }
  // Every declared method was called, and every kind of event came.
  const called = new Set(calls.map((c) => c.method));
  for (const name of [...boundMethods("Session"), ...declaredFunctions]) assert.ok(called.has(name), `${name} is not called here`);
  const kinds = new Set(calls.flatMap((c) => c.result?.events ?? []).map((e) => e.kind));
  const declaredKinds = [...declared.get("CoreEvent").type.types].flatMap((t) =>
    t.members.filter((m) => nameOf(m) === "kind").flatMap((m) =>
      ts.isUnionTypeNode(m.type) ? m.type.types.map((k) => k.literal.text) : [m.type.literal.text]));
  assert.deepEqual([...kinds].sort(), declaredKinds.sort(), "the kinds of event seen");
  assert.ok(calls.some((c) => c.result?.refused), "no action was refused");
  assert.ok(calls.some((c) => c.method === "table" && c.result.rows.some((r) => r.length === 2)), "no table was copied");
  assert.ok(lastForm > 1);
  assert.ok(calls.some((c) => c.method === "windowSpec" && c.result === null), "no window was missing");
  assert.deepEqual(problems, []);
  await page.close();
});
