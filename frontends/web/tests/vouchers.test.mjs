// The voucher view and the kept work in the browser: the entries of a press
// as vouchers, printed one a page through the print style sheet into
// headless Chromium's PDF; the windows' work kept in the browser's storage
// for the next visit, and a kept text that cannot be read set aside.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { mkdtemp, writeFile, readFile, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve, launch, openProgram } from "./browser.mjs";

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

// Form48 代销商品: 100 units at 10, cost 6 a unit, commission 10%.
async function pressForm48(page) {
  await page.locator("#Form1 [data-name=Text1]").fill("代销商品");
  await page.keyboard.press("Enter");
  for (const [n, text] of [[1, "100"], [2, "10"], [3, "6"], [4, "0.1"]])
    await page.locator(`#Form48 [data-name=Text${n}]`).fill(text);
  await page.locator("#Form48 [data-name=Command1]").click();
}

test("生成凭证 prints one voucher a page", async () => {
  const { page, problems } = await openProgram(browser.context, server.url);
  await pressForm48(page);
  await page.keyboard.press("Control+g");
  const view = page.locator("dialog.voucher-view");
  assert.ok(await view.isVisible());
  await view.locator("input[name=date]").fill("2026-12-07");
  await view.locator("input[name=attachments]").fill("3");
  assert.equal(await view.locator("section.voucher").count(), 5);
  assert.deepEqual(await view.locator("section.voucher").nth(1).locator("tr.total td").allTextContents(),
    ["合计", "金额大写：壹仟壹佰叁拾元整", "1,130.00", "1,130.00"]);
  assert.equal(await view.locator(".unbalanced").count(), 0);

  const pdf = await page.pdf({ format: "A4" });
  const pages = pdf.toString("latin1").match(/\/Type\s*\/Page[^s]/g) ?? [];
  assert.equal(pages.length, 5, "one voucher a page");
  const dir = await mkdtemp(join(tmpdir(), "bookkeeper-vouchers-"));
  try {
    await writeFile(join(dir, "v.pdf"), pdf);
    const text = spawnSync("pdftotext", ["-layout", join(dir, "v.pdf"), "-"], { encoding: "utf8" });
    assert.equal(text.status, 0, "pdftotext (poppler-utils, see scripts/setup.sh)");
    const printed = text.stdout.split("\f").filter((p) => p.trim());
    assert.equal(printed.length, 5);
    for (const p of printed) assert.match(p, /记账凭证/);
    assert.match(printed[1], /收到清单/);
    assert.match(printed[1], /壹仟壹佰叁拾元整/);
    assert.match(printed[4], /壹仟零贰拾肆元整/);
    assert.doesNotMatch(text.stdout, /另存为CSV|代销商品 — Form48/);  // the vouchers alone
  } finally {
    await rm(dir, { recursive: true, force: true });
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test("a line naming alternatives is a drop-down; the CSV posts to the one chosen", async () => {
  const { page, problems } = await openProgram(browser.context, server.url);
  await page.locator("#Form1 [data-name=Text1]").fill("价税分离");
  await page.keyboard.press("Enter");
  await page.locator("#Form101 [data-name=Text1]").fill("11300");
  await page.locator("#Form101 [data-name=Command1]").click();
  await page.keyboard.press("Control+g");
  const view = page.locator("dialog.voucher-view");
  assert.ok(await view.isVisible());
  await view.locator("input[name=date]").fill("2026-12-07");
  const select = view.locator("section.voucher").first().locator("select");
  assert.equal(await select.count(), 1);
  assert.deepEqual(await select.locator("option").allTextContents(), ["1122 应收账款", "1002 银行存款"]);
  assert.equal(await select.inputValue(), "0");
  await select.selectOption("1");
  assert.equal(await view.locator("section.voucher").first().locator("select").inputValue(), "1");
  const [download] = await Promise.all([page.waitForEvent("download"), view.locator("button[name=csv]").click()]);
  const dir = await mkdtemp(join(tmpdir(), "bookkeeper-vouchers-"));
  try {
    const path = join(dir, "v.csv");
    await download.saveAs(path);
    const rows = (await readFile(path, "utf8")).replace(/^\uFEFF/, "").split("\r\n");
    assert.ok(rows.includes("1,2026-12-07,,销售,1002 银行存款,11300.00,"), rows.join("\n"));
    assert.ok(!rows.includes("1,2026-12-07,,销售,1122 应收账款,11300.00,"));
    assert.ok(rows.includes("2,2026-12-07,,采购,1405 库存商品,10000.00,"));  // the others keep the first
  } finally {
    await rm(dir, { recursive: true, force: true });
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test("the windows' work is back on the next visit; a damaged kept text is set aside", async () => {
  const first = await openProgram(browser.context, server.url);
  await pressForm48(first.page);
  await first.page.locator("#Form48 [data-name=Text1]").fill("250");
  const lines = await first.page.evaluate(() => window.bookkeeper.session.lines(48));
  await first.page.waitForFunction(() => (localStorage.getItem("bookkeeper.session") ?? "").includes("text 1 250"));
  await first.page.close();

  const second = await openProgram(browser.context, server.url, { keepSession: true });
  const page = second.page;
  await page.locator("#Form1 [data-name=Command1]").click();  // the key box kept 代销商品
  assert.equal(await page.locator("#Form48 [data-name=Text1]").inputValue(), "250");
  assert.deepEqual(await page.locator("#Form48 .print-area .line").allTextContents(), lines);
  assert.ok(await page.locator(".page-bar .notice").isHidden());
  await page.close();  // and saved as it goes
  // A text cut short, written where the program does not run.
  const other = await browser.context.newPage();
  await other.goto(`${server.url}LICENSE.txt`);
  await other.evaluate(() => localStorage.setItem("bookkeeper.session", "bookkeeper session 1\nwindow 48 0\n"));
  await other.close();

  const third = await openProgram(browser.context, server.url, { keepSession: true });
  const notice = third.page.locator(".page-bar .notice");
  assert.ok(await notice.isVisible());
  assert.match(await notice.textContent(), /bookkeeper\.session\.unreadable/);
  assert.equal(await third.page.evaluate(() => localStorage.getItem("bookkeeper.session.unreadable")),
    "bookkeeper session 1\nwindow 48 0\n");
  assert.deepEqual(await third.page.evaluate(() => window.bookkeeper.session.lines(48)), []);
  assert.deepEqual([...second.problems, ...third.problems], []);
  await third.page.close();
});
