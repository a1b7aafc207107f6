// The web edition as a user meets it: keys typed and buttons pressed in
// headless Chromium, what the page shows checked against what the core
// without a screen (bookkeeper-replay) answers to the same actions.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { serve, launch, openProgram, replayScreen, replayLog, pageLines } from "./browser.mjs";

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

async function program(options) {
  const opened = await openProgram(browser.context, server.url, options);
  return opened;
}
const visible = (page) =>
  page.evaluate(() => [...document.querySelectorAll(".window:not([hidden])")]
    .sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex)).map((w) => w.id));
const focused = (page) => page.evaluate(() => {
  const el = document.activeElement;
  return `${el?.closest(".window")?.id}.${el?.dataset.name}`;
});

test("starts with the main window and the focus in its key box", async () => {
  const { page, problems } = await program();
  assert.equal(await page.title(), "记账助手");
  assert.deepEqual(await visible(page), ["Form1"]);
  assert.equal(await page.locator("#Form1 h2").textContent(), "记账助手");
  assert.equal(await page.locator("#Form1").getAttribute("aria-label"), "记账助手");
  assert.equal(await focused(page), "Form1.Text1");
  // The printed lines stand clear of every control.
  const overlaps = await page.evaluate(() => {
    const area = document.querySelector("#Form1 .print-area").getBoundingClientRect();
    return [...document.querySelectorAll("#Form1 .control")].filter((c) => {
      const r = c.getBoundingClientRect();
      return r.left < area.right && area.left < r.right && r.top < area.bottom && area.top < r.bottom;
    }).map((c) => c.dataset.name);
  });
  assert.deepEqual(overlaps, []);
  // The window fits the page's width: nothing to scroll sideways to.
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
  // The key box is named by its caption.
  assert.equal(await page.getByLabel("财务报表填写事项").getAttribute("data-name"), "Text1");
  // The printed lines are a log a screen reader reads out as they come.
  await page.keyboard.type("应付票据");
  await page.keyboard.press("Enter");
  assert.deepEqual(await page.getByRole("log", { name: "计算结果" }).locator(".line").allTextContents(), ["应付票据=应付票据"]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("statement-line and journal keys print what the core prints, Enter or 确定", async () => {
  const { page, problems } = await program();
  const keys = [["应付票据", "Enter"], ["计提个税", "button"], ["没有这个键", "Enter"], ["", "button"], ["应付账款", "Enter"]];
  let script = "";
  for (const [key, how] of keys) {
    await page.locator("#Form1 [data-name=Text1]").fill(key);
    if (how === "Enter") await page.keyboard.press("Enter");
    else await page.locator("#Form1 [data-name=Command1]").click();
    script += `set Form1.Text1 ${key}\nclick Form1.Command1\n`;
    assert.deepEqual(await pageLines(page, 1), replayScreen(script, 1), `after ${key || "the empty key"}`);
  }
  assert.ok((await pageLines(page, 1)).length > 0);
  assert.deepEqual(problems, []);
  await page.close();
});

test("a calculator opened, filled by keyboard, computed, cleared and left", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("短期投资");
  await page.keyboard.press("Enter");
  assert.deepEqual(await visible(page), ["Form3"]);
  assert.equal(await focused(page), "Form3.Text1");
  // Its title is the key typed and the program's name, as the core has
  // it; so are its accessible name and the page's title while it is in front.
  const title = await page.locator("#Form3 h2").textContent();
  assert.equal(title, "短期投资 — 记账助手");
  assert.match(replayLog("set Form1.Text1 短期投资\nclick Form1.Command1\nwindows\n"), /^form Form3 \[短期投资 — 记账助手\] /m);
  assert.equal(await page.locator("#Form3").getAttribute("aria-label"), title);
  assert.equal(await page.title(), title);
  // A box whose text is not wholly a number is marked, and the note under
  // it, which describes it, says the number used.
  const box = page.locator("#Form3 [data-name=Text1]");
  await page.keyboard.type("12abc");
  assert.ok(await box.evaluate((b) => b.classList.contains("marked")));
  assert.equal(await box.getAttribute("aria-invalid"), "true");
  const note = page.locator(`[id="${await box.getAttribute("aria-describedby")}"]`);
  assert.equal(await note.textContent(), "只读取了 12");
  assert.ok(await note.isVisible());
  const [boxAt, noteAt] = [await box.boundingBox(), await note.boundingBox()];
  assert.ok(noteAt.y >= boxAt.y + boxAt.height - 1, "the note stands under the box");
  await box.fill("");
  assert.ok(!(await box.evaluate((b) => b.classList.contains("marked"))));
  assert.equal(await box.getAttribute("aria-invalid"), null);
  assert.ok(!(await note.isVisible()));
  await page.keyboard.type("10000");
  await page.keyboard.press("Tab");
  await page.keyboard.type("0.13");
  await page.keyboard.press("Enter");
  const script = "set Form1.Text1 短期投资\nclick Form1.Command1\nset Form3.Text1 10000\nset Form3.Text2 0.13\nclick Form3.Command1\n";
  const lines = replayScreen(script, 3);
  assert.ok(lines.length > 0);
  assert.deepEqual(await pageLines(page, 3), lines);
  // Amount boxes bring up a keyboard of figures; the key box does not.
  assert.equal(await page.locator("#Form3 [data-name=Text2]").getAttribute("inputmode"), "decimal");
  assert.equal(await page.locator("#Form1 [data-name=Text1]").getAttribute("inputmode"), null);

  await page.getByRole("button", { name: "取消" }).click();
  assert.deepEqual(await pageLines(page, 3), []);
  assert.equal(await page.locator("#Form3 [data-name=Text1]").inputValue(), "10000");
  await page.getByRole("button", { name: "退出" }).click();
  assert.deepEqual(await visible(page), ["Form1"]);
  assert.equal(await focused(page), "Form1.Text1");
  assert.equal(await page.title(), "记账助手");
  // Opened again, it shows the earlier inputs.
  await page.keyboard.press("Enter");
  assert.equal(await page.locator("#Form3 [data-name=Text2]").inputValue(), "0.13");
  assert.deepEqual(problems, []);
  await page.close();
});

test("one Enter looks up initials or a chosen key, and does not reach the window it opens", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("yszk");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Enter");  // a quick second Enter, as the habit goes
  const script = "set Form1.Text1 yszk\nclick Form1.Command1\n";
  const state = replayLog(`${script}state\n`).split("\n").find((l) => l.startsWith("visible:"));
  assert.deepEqual(await visible(page), state.split(" ").slice(1));
  assert.equal(await page.title(), "应收账款 — 记账助手");
  assert.deepEqual(await pageLines(page, 4), []);  // 确定 was not pressed there
  await page.locator("#Form4 .close-box").click();
  // Every key that matches is in the list, which scrolls; Enter on the
  // chosen one looks it up.
  await page.locator("#Form1 [data-name=Text1]").fill("");
  await page.keyboard.type("计提");
  const keys = await page.evaluate(() => window.bookkeeper.session.completions(1, 1, "计提"));
  assert.ok(keys.length > 12 && keys.includes("计提社保") && keys.includes("计提固定资产减值准备"), keys.join());
  const list = page.locator("#Form1 .popup-list:not([hidden])");
  // A key of the general standard is listed marked; picked, it goes into the box bare.
  const listed = await page.evaluate((ks) => ks.map((k) => window.bookkeeper.session.shownKey(k)), keys);
  assert.ok(listed.includes("计提固定资产减值准备【企业会计准则】"), listed.join());
  assert.deepEqual(await list.locator("li").allTextContents(), listed);
  assert.equal(await list.locator("li.active").count(), 0);
  assert.ok(await list.evaluate((l) => l.scrollHeight > l.clientHeight));
  for (let i = 0; i < 3; ++i) await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  assert.equal(await page.locator("#Form1 [data-name=Text1]").inputValue(), keys[2]);
  const picked = `${script}close Form4\nset Form1.Text1 ${keys[2]}\nclick Form1.Command1\n`;
  const shown = replayLog(`${picked}state\n`).split("\n").find((l) => l.startsWith("visible:"));
  assert.deepEqual(await visible(page), shown.split(" ").slice(1));
  assert.deepEqual(await pageLines(page, 1), replayScreen(picked, 1));
  assert.deepEqual(problems, []);
  await page.close();
});

test("a field with a default shows it as grey placeholder text and its box stays empty", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("价税分离");
  await page.keyboard.press("Enter");
  const rate = page.locator("#Form101 [data-name=Text3]");
  assert.equal(await rate.getAttribute("placeholder"), "13");
  assert.equal(await rate.inputValue(), "");
  assert.equal(await page.locator("#Form101 [data-name=Text1]").getAttribute("placeholder"), "金额");  // its form
  // The press takes the default, as the core does; a text without a number says so.
  await page.locator("#Form101 [data-name=Text1]").click();
  await page.keyboard.type("11300");
  await page.keyboard.press("Enter");
  const script = "set Form1.Text1 价税分离\nclick Form1.Command1\nset Form101.Text1 11300\nclick Form101.Command1\n";
  assert.deepEqual(await pageLines(page, 101), replayScreen(script, 101));
  assert.ok((await pageLines(page, 101)).includes("税率（%） 13 "));
  await rate.fill("约");
  const note = page.locator(`[id="${await rate.getAttribute("aria-describedby")}"]`);
  assert.equal(await note.textContent(), "没有读到数字，按默认值 13 计算");
  assert.deepEqual(problems, []);
  await page.close();
});

test("a press that prints nothing names the empty fields in the window, and 取消 takes the note away", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("累计折旧计算");
  await page.keyboard.press("Enter");
  await page.locator("#Form25 [data-name=Text3]").fill("100000");
  await page.locator("#Form25 [data-name=Command1]").click();
  const note = page.locator("#Form25 .hint");
  assert.equal(await note.locator("p").textContent(), "没有算出结果：预计净残值率、预计使用寿命 为空");
  assert.deepEqual(await pageLines(page, 25), []);
  await page.locator("#Form25 [data-name=Command2]").click();
  assert.equal(await note.isHidden(), true);
  assert.deepEqual(problems, []);
  await page.close();
});

test("a fault is shown in a modal dialog and the program carries on", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("累计摊销");
  await page.keyboard.press("Enter");
  await page.keyboard.type("120000");
  await page.keyboard.press("Enter");  // the second field empty: a division by zero
  const dialog = page.getByRole("dialog");
  await dialog.waitFor({ state: "visible", timeout: 5000 });
  assert.equal(await dialog.locator("h2").textContent(), "运算错误");
  const fault = replayLog("set Form1.Text1 累计摊销\nclick Form1.Command1\nset Form28.Text1 120000\nclick Form28.Command1\n")
    .split("\n").find((l) => l.startsWith("fault "));
  assert.equal(await dialog.locator("p").textContent(), fault.split(" ").slice(3).join(" "));
  await page.keyboard.press("Enter");
  await dialog.waitFor({ state: "hidden", timeout: 5000 });
  assert.equal(await focused(page), "Form28.Text1");
  await page.keyboard.press("Tab");
  await page.keyboard.type("10");
  await page.keyboard.press("Enter");
  assert.ok((await pageLines(page, 28)).length > 0);
  assert.deepEqual(await visible(page), ["Form28"]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("the completer offers keys as the user types, by characters or pinyin initials", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("应收");
  const list = page.locator("#Form1 .popup-list:not([hidden])");
  const offered = await list.locator("li").allTextContents();
  assert.ok(offered.length > 1 && offered.every((k) => k.length > 0), offered.join());
  assert.ok(offered.includes("应收账款"));
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  assert.equal(await page.locator("#Form1 [data-name=Text1]").inputValue(), offered[0]);
  assert.equal(await list.count(), 0);
  // Pinyin initials find a key too, and the mouse picks it.
  await page.locator("#Form1 [data-name=Text1]").fill("");
  await page.keyboard.type("jtgz");
  await list.getByText("计提工资", { exact: true }).click();
  assert.equal(await page.locator("#Form1 [data-name=Text1]").inputValue(), "计提工资");
  assert.equal(await focused(page), "Form1.Text1");
  assert.deepEqual(problems, []);
  await page.close();
});

test("the browse menu by keyboard shows the core's items and puts a merged item's first key into the box", async () => {
  const { page, problems } = await program();
  // The menu as the core gives it: subjects, each with its items.
  const tree = [];
  for (const l of replayLog("subjects\n").split("\n")) {
    if (l.startsWith("subject ")) tree.push({ name: l.slice(8), items: [] });
    else if (l.startsWith("key ")) tree.at(-1).items.push(l.slice(4));
  }
  // An item of keys that do the same: "first（other、other）".
  const s = tree.findIndex((t) => t.items.some((i) => /^[^（]+（.+、.+）$/.test(i)));
  assert.ok(s >= 0, "no merged item");
  const i = tree[s].items.findIndex((item) => /^[^（]+（.+、.+）$/.test(item));
  await page.keyboard.press("ArrowDown");
  const subjects = page.locator("#Form1 .popup-list:not([hidden]):not(.keys)");
  assert.deepEqual(await subjects.locator("li").allTextContents(), tree.map((t) => t.name));
  for (let k = 0; k < s; ++k) await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowRight");
  // The items as the core gives them, the general standard's marked.
  const items = await page.evaluate((n) => window.bookkeeper.session.subjects(1, 1)[n].items, s);
  assert.deepEqual(items.map((item) => item.label), tree[s].items);
  assert.deepEqual(await page.locator("#Form1 .popup-list.keys li").allTextContents(), items.map((item) => item.shown));
  for (let k = 0; k < i; ++k) await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  const first = tree[s].items[i].split("（")[0];
  assert.equal(await page.locator("#Form1 [data-name=Text1]").inputValue(), first);
  // It is a key of the table, and looked up it does what the core does.
  const script = `set Form1.Text1 ${first}\nclick Form1.Command1\n`;
  assert.doesNotMatch(replayLog(script), /^hint Form1 \[.+\]/m);
  await page.keyboard.press("Enter");
  const state = replayLog(`${script}state\n`).split("\n").find((l) => l.startsWith("visible:"));
  assert.deepEqual(await visible(page), state.split(" ").slice(1));
  assert.deepEqual(problems, []);
  await page.close();
});

test("a key that matches nothing gets the core's hint; a key chosen from it goes into the box", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("应收帐款");
  await page.keyboard.press("Enter");
  const given = replayLog("set Form1.Text1 应收帐款\nclick Form1.Command1\n").split("\n").find((l) => l.startsWith("hint Form1 "));
  const message = given.slice(given.indexOf("[") + 1, given.lastIndexOf("]"));
  const keys = given.slice(given.lastIndexOf("]") + 2).split(" ");
  assert.equal(keys[0], "应收账款");
  assert.ok(keys.length <= 5);
  const hint = page.locator("#Form1 .hint");
  assert.equal(await hint.locator("p").textContent(), message);
  assert.deepEqual(await hint.getByRole("link").allTextContents(), keys);
  assert.deepEqual(await pageLines(page, 1), []);
  // Tab goes as the screen reads: the box, 确定, 取消, 退出, the hint's keys,
  // then the printed lines.
  const stops = [];
  for (let k = 0; k < 4 + keys.length; ++k) {
    await page.keyboard.press("Tab");
    stops.push(await page.evaluate(() => {
      const el = document.activeElement;
      return el.dataset.name ?? (el.classList.contains("print-area") ? "print area" : el.textContent);
    }));
  }
  assert.deepEqual(stops, ["Command1", "Command3", "Command2", ...keys, "print area"]);
  // The first key, chosen by keyboard, fills the box and takes the hint away.
  for (let k = 0; k < keys.length; ++k) await page.keyboard.press("Shift+Tab");
  await page.keyboard.press("Enter");
  assert.equal(await focused(page), "Form1.Text1");
  assert.equal(await page.locator("#Form1 [data-name=Text1]").inputValue(), "应收账款");
  assert.ok(await hint.isHidden());
  await page.keyboard.press("Enter");
  assert.deepEqual(await pageLines(page, 1), replayScreen("set Form1.Text1 应收账款\nclick Form1.Command1\n", 1));
  assert.deepEqual(problems, []);
  await page.close();
});

test("on a 360-pixel screen the front window fills the width, controls in reading order", async () => {
  const { page, problems } = await program({ viewport: { width: 360, height: 740 } });
  await page.keyboard.type("短期投资");
  await page.keyboard.press("Enter");
  assert.deepEqual(await visible(page), ["Form3"]);
  const shown = await page.evaluate(() =>
    [...document.querySelectorAll(".window")].filter((w) => getComputedStyle(w).display !== "none").map((w) => w.id));
  assert.deepEqual(shown, ["Form3"]);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360));
  // In the page's order each control stands right of the one before on its
  // line, or below it.
  const names = await page.evaluate(() =>
    [...document.querySelectorAll("#Form3 .control")].map((c) => {
      const r = c.getBoundingClientRect();
      return { n: c.dataset.name, left: r.left, right: r.right, top: r.top, bottom: r.bottom };
    }));
  assert.deepEqual(names.map((c) => c.n), ["Label1", "Text1", "Label2", "Text2", "Command1", "Command2", "Command3"]);
  for (const c of names) assert.ok(c.left >= 0 && c.right <= 360, `${c.n} ${c.left}..${c.right}`);
  names.slice(1).forEach((c, i) => {
    const before = names[i];
    assert.ok(c.top >= before.bottom - 1 || (c.left >= before.right && c.top < before.bottom), `${before.n} then ${c.n}`);
  });
  await page.locator("#Form3 [data-name=Text1]").fill("10000");
  await page.locator("#Form3 [data-name=Command1]").click();
  assert.ok((await pageLines(page, 3)).length > 0);
  assert.deepEqual(problems, []);
  await page.close();
});

test("copy as table puts the selected lines on the clipboard as tab-separated text and an HTML table", async () => {
  const { page, problems } = await program();
  await browser.context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: server.url });
  await page.keyboard.type("短期投资");
  await page.keyboard.press("Enter");
  await page.keyboard.type("10000");
  await page.keyboard.press("Tab");
  await page.keyboard.type("0.13");
  for (let i = 0; i < 3; ++i) await page.keyboard.press("Enter");
  const lines = await pageLines(page, 3);
  assert.equal(lines.length, 3);
  // Select from the middle of the second line into the third.
  await page.evaluate(() => {
    const [, second, third] = document.querySelectorAll("#Form3 .line");
    const range = document.createRange();
    range.setStart(second.firstChild, 2);
    range.setEnd(third.firstChild, 3);
    getSelection().removeAllRanges();
    getSelection().addRange(range);
  });
  // The menu of the selected text, as a user opens it.
  await page.locator("#Form3 .line").nth(1).click({ button: "right", position: { x: 40, y: 5 } });
  await page.getByRole("menuitem", { name: "复制为表格" }).click();
  // The copy is written asynchronously: wait for the table to arrive.
  const table = () => page.evaluate(async () => {
    for (let tries = 0; tries < 100; ++tries) {
      const [item] = await navigator.clipboard.read();
      if (item?.types.includes("text/html"))
        return { text: await (await item.getType("text/plain")).text(), html: await (await item.getType("text/html")).text() };
      await new Promise((ok) => setTimeout(ok, 50));
    }
    return { text: "", html: "" };
  });
  const copied = await table();
  const rows = copied.text.split("\n").filter((r) => r !== "").map((r) => r.split("\t"));
  assert.equal(rows.length, 2);
  rows.forEach(([caption, amount], i) => {
    const line = lines[i + 1];
    assert.ok(line.startsWith(caption), `${line} / ${caption}`);
    assert.equal(amount, line.slice(caption.length).trim());
    assert.ok(copied.html.includes(`<td>${caption}</td><td>${amount}</td>`), copied.html);
  });
  // By keyboard: Tab reaches the printed lines after the buttons, Shift+Down
  // selects the first two, Ctrl+Shift+C copies them as a table.
  await page.evaluate(() => navigator.clipboard.writeText(""));
  await page.locator("#Form3 [data-name=Command3]").focus();
  await page.keyboard.press("Tab");
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute("role")), "log");
  await page.keyboard.press("Shift+ArrowDown");
  await page.keyboard.press("Shift+ArrowDown");
  await page.keyboard.press("Control+Shift+C");
  const byKeys = (await table()).text.split("\n").filter((r) => r !== "").map((r) => r.split("\t")[0]);
  assert.deepEqual(byKeys.map((caption, i) => lines[i].startsWith(caption)), [true, true]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("bad input: 1 MB pasted, keys typed fast, windows closed in any order", async () => {
  const { page, problems } = await program();
  await page.keyboard.type("利润总额");  // opens two calculators
  await page.keyboard.press("Enter");
  const big = "9".repeat(1 << 20);
  await page.evaluate((text) => navigator.clipboard?.writeText(text).catch(() => undefined), big);
  const front = (await visible(page))[0];
  const box = page.locator(`#${front} [data-name=Text1]`);
  await box.fill(big);
  await page.keyboard.press("Enter");
  assert.equal((await box.inputValue()).length, big.length);
  assert.equal(await page.evaluate((f) => window.bookkeeper.session.texts(f)[1].length, Number(front.slice(4))), big.length);
  // Keys as fast as the keyboard sends them, then the windows closed behind
  // one another with their close boxes (a window the main window covers
  // once it is back is reached as from a window list).
  await page.keyboard.type("-1e308*&H7fff　１２ａｂｃ", { delay: 0 });
  for (let i = 0; i < 20; ++i) await page.keyboard.press("Enter", { delay: 0 });
  const dialog = page.getByRole("dialog");
  while (await dialog.isVisible()) await page.keyboard.press("Escape");
  for (const id of [...(await visible(page))].reverse()) await page.locator(`#${id} .close-box`).dispatchEvent("click");
  assert.deepEqual(await visible(page), ["Form1"]);
  await page.locator("#Form1 .close-box").click();
  assert.equal(await page.locator(".ended button").textContent(), "重新开始");
  await page.locator(".ended button").click();
  assert.deepEqual(await visible(page), ["Form1"]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("a window opens beside its opener, the bar lists the windows on screen, a click brings one to the front", async () => {
  const { page, problems } = await program({ viewport: { width: 1366, height: 800 } });
  await page.keyboard.type("未分配利润");  // opens Form8, then Form32 in front
  await page.keyboard.press("Enter");
  assert.deepEqual(await visible(page), ["Form32", "Form8"]);
  // Side by side, the child after its opener: neither hides the other.
  const [form8, form32] = [await page.locator("#Form8").boundingBox(), await page.locator("#Form32").boundingBox()];
  assert.ok(form32.x >= form8.x + form8.width || form32.y >= form8.y + form8.height, "Form32 beside or under Form8");
  const bar = page.getByRole("navigation", { name: "打开的窗口" });
  const tabs = () => bar.getByRole("button").evaluateAll((bs) => bs.map((b) => [b.dataset.form, b.getAttribute("aria-current")]));
  assert.deepEqual(await tabs(), [["8", null], ["32", "true"]]);
  await bar.getByRole("button").first().click();
  assert.deepEqual(await visible(page), ["Form8", "Form32"]);
  assert.deepEqual(await tabs(), [["8", "true"], ["32", null]]);
  // A click in a window brings it forward too.
  const form32Now = await page.locator("#Form32").boundingBox();
  await page.mouse.click(form32Now.x + form32Now.width - 20, form32Now.y + form32Now.height - 10);
  assert.deepEqual(await visible(page), ["Form32", "Form8"]);
  assert.deepEqual(await page.evaluate(() => window.bookkeeper.session.visible()), [32, 8]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("the page names its licence and carries the notices of what it is built with", async () => {
  const { page, problems } = await program();
  const about = page.getByRole("contentinfo", { name: "关于" });
  const fetched = async (name) => {
    const href = await about.getByRole("link", { name }).getAttribute("href");
    return page.evaluate(async (href) => {
      const r = await fetch(href);
      return { status: r.status, type: r.headers.get("content-type"), text: await r.text() };
    }, href);
  };
  const licence = await fetched("Apache-2.0");
  assert.equal(licence.status, 200);
  assert.match(licence.text, /Apache License\s+Version 2\.0/);
  const notices = await fetched("第三方软件声明");
  assert.equal(notices.status, 200);
  assert.match(notices.text, /The Emscripten Authors/);
  assert.match(notices.text, /University of Illinois\/NCSA/);
  assert.match(notices.text, /^License: Expat\n Permission is hereby granted/m);
  assert.match(notices.text, /^License: NCSA~Mozilla\n/m);
  assert.deepEqual(problems, []);
  await page.close();
});

test("金额四舍五入到分 is on at first, switched by the page's menu or Ctrl+Shift+F, and kept for the next visit", async () => {
  const { page, problems } = await program();
  const toFen = () => page.evaluate(() => window.bookkeeper.session.amountsToFen());
  const item = page.getByRole("menuitemcheckbox", { name: /金额四舍五入到分/ });
  assert.equal(await toFen(), true);
  await page.getByRole("button", { name: "选项" }).click();
  assert.equal(await item.getAttribute("aria-checked"), "true");
  await item.click();
  assert.equal(await toFen(), false);
  await page.keyboard.press("Control+Shift+F");
  assert.equal(await toFen(), true);
  await page.keyboard.press("Control+Shift+F");
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  assert.equal(await toFen(), false);
  // A stored value this page cannot read is put aside and said, not lost.
  await page.evaluate(() => localStorage.setItem("bookkeeper.amounts", "{garbage"));
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  assert.equal(await toFen(), true);
  assert.match(await page.getByRole("alert").textContent(), /^设置文件无法读取，已改名保存为：bookkeeper\.amounts\.unreadable/);
  assert.equal(await page.evaluate(() => localStorage.getItem("bookkeeper.amounts.unreadable")), "{garbage");
  assert.deepEqual(problems, []);
  await page.close();
});
