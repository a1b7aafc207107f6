// The address of a window (#/应收账款) and what Back and a typed address do.
import { test } from "node:test";
import assert from "node:assert/strict";
import { load } from "./site.mjs";

const { keyOfHash, addressOf, hashShows, backStep, followStep } = await load("address.js");

test("the key an address names, typed or encoded", () => {
  for (const [hash, key] of [
    ["", ""],
    ["#/", ""],
    ["#/应收账款", "应收账款"],
    ["#应收账款", "应收账款"],
    ["#/%E5%BA%94%E6%94%B6%E8%B4%A6%E6%AC%BE", "应收账款"],
    ["#/ 应收账款 ", "应收账款"],
    ["#/%E5%BA", "%E5%BA"],  // not well encoded: as it stands
    ["#//x", "/x"],
  ]) assert.equal(keyOfHash(hash), key, hash);
});

test("a window's address reads back as its key", () => {
  for (const key of ["", "应收账款", "固定资产 折旧"]) {
    assert.equal(keyOfHash(addressOf(key)), key);
    assert.equal(keyOfHash(encodeURI(addressOf(key))), key);
    assert.ok(hashShows(encodeURI(addressOf(key)), addressOf(key)));
  }
  for (const [hash, address, shows] of [
    ["#/应收账款", "#/应收账款", true],
    ["#/%E5%BA%94%E6%94%B6%E8%B4%A6%E6%AC%BE", "#/应收账款", true],
    ["#/", "#/应收账款", false],
    ["#/应收账款", "#/", false],
  ]) assert.equal(hashShows(hash, address), shows, `${hash} ${address}`);
});

test("Back closes the front calculator and leaves only an idle main window", () => {
  for (const [at, step] of [
    [{ base: false, ended: false, front: 3, unsaved: true }, "none"],
    [{ base: true, ended: true, front: undefined, unsaved: false }, "leave"],
    [{ base: true, ended: false, front: 1, unsaved: false }, "leave"],
    [{ base: true, ended: false, front: 1, unsaved: true }, "stay"],
    [{ base: true, ended: false, front: 3, unsaved: false }, "close"],
    [{ base: true, ended: false, front: 3, unsaved: true }, "close"],
    [{ base: true, ended: false, front: undefined, unsaved: false }, "stay"],
  ]) assert.equal(backStep(at), step, JSON.stringify(at));
});

test("a key in the address brings its window forward or opens it", () => {
  const shown = [{ form: 7, key: "应收账款" }, { form: 4, key: "应付账款" }, { form: 1, key: "" }];
  for (const [key, known, ended, windows, step] of [
    ["应收账款", true, false, shown, { kind: "none" }],
    ["应付账款", true, false, shown, { kind: "front", form: 4 }],
    ["存货", true, false, shown, { kind: "open" }],
    ["存货", false, false, shown, { kind: "none" }],
    ["应付账款", true, true, shown, { kind: "none" }],
    ["存货", true, false, [], { kind: "open" }],
    ["存货", true, false, [{ form: 1, key: undefined }], { kind: "open" }],
  ]) assert.deepEqual(followStep(key, known, ended, windows), step, key);
});
