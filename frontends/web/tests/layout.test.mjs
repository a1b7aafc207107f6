// The page at a phone's, a tablet's and a laptop's width (and a laptop's at
// 200 % and 400 % zoom, where the page is 683 and 341 CSS pixels wide): the
// calculators with groups read group by group, Tab goes as the eye does,
// nothing lies past the screen's edge, and after 确定 the first printed line
// is in view. Also each window's address, browser Back and the close box.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { serve, launch, openProgram, pageLines } from "./browser.mjs";

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

// Each window's groups as its layout items say: the heading, then the
// fields under it (TextN), in the order they are read.
const windows = [
  { form: 25, key: "累计折旧计算", groups: [
    ["年限平均法", [1, 2, 3]], ["双倍余额递减法", [4, 5, 6]], ["工作量法", [7, 8, 9, 14]], ["年数总和法", [10, 11, 12, 13]]] },
  { form: 82, key: "发工资", groups: [
    ["", [1, 2, 3, 4, 18, 19, 10, 11, 13]], ["", [5, 6, 7, 8, 9, 12, 14, 15, 16, 17, 20]]] },
  { form: 86, key: "票据贴现", groups: [["票据贴现", [1, 2, 3]], ["逾期贷款", [4]], ["票据存取贴现", [5, 6, 7, 8, 9]]] },
];
const widths = [360, 768, 1366, 683, 341];

// What lies outside the viewport's width, and whether the page scrolls sideways.
const offScreen = (page) => page.evaluate(() => {
  const out = [...document.querySelectorAll(".window:not([hidden]) .control, .window-bar button")].filter((el) => {
    const r = el.getBoundingClientRect();
    return r.width > 0 && (r.left < 0 || r.right > innerWidth + 0.5);
  }).map((el) => el.dataset.name ?? el.textContent);
  if (document.documentElement.scrollWidth > innerWidth) out.push(`page ${document.documentElement.scrollWidth}`);
  return out;
});

for (const width of widths) {
  for (const w of windows) {
    test(`Form${w.form} at ${width} px: group by group, Tab as the eye reads, all on screen, the result in view`, async () => {
      const { page, problems } = await openProgram(browser.context, `${server.url}#/${encodeURIComponent(w.key)}`,
        { viewport: { width, height: width < 600 ? 740 : 800 } });
      assert.equal(await page.evaluate(() => window.bookkeeper.session.visible()[0]), w.form, "opened by its address");
      const root = `#Form${w.form}`;
      // The headings and the fields of each group, in the page's order.
      const groups = await page.locator(`${root} .group`).evaluateAll((gs) => gs.map((g) => [
        g.querySelector(".heading")?.textContent ?? "",
        [...g.querySelectorAll("input.control")].map((i) => Number(i.dataset.name.slice(4))),
      ]));
      assert.deepEqual(groups, w.groups);
      // Tab from the first field goes through the fields in that order.
      const order = w.groups.flatMap(([, texts]) => texts);
      const tabbed = [];
      for (let i = 0; i < order.length; ++i) {
        tabbed.push(await page.evaluate(() => document.activeElement?.dataset.name));
        await page.keyboard.press("Tab");
      }
      assert.deepEqual(tabbed, order.map((n) => `Text${n}`));
      assert.equal(await page.evaluate(() => document.activeElement?.dataset.name), "Command1");
      // On screen the same order: each field under the one before, or at
      // the top of a column to the right of it; each group's heading over
      // its fields.
      const rects = await page.evaluate(({ root, order }) => order.map((n) => {
        const r = document.querySelector(`${root} [data-name=Text${n}]`).getBoundingClientRect();
        return { n, left: r.left, right: r.right, top: r.top, bottom: r.bottom };
      }), { root, order });
      rects.slice(1).forEach((r, i) => {
        const p = rects[i];
        assert.ok(r.top >= p.bottom - 1 || (r.left >= p.right && r.top < p.top), `Text${p.n} then Text${r.n}`);
      });
      const headingsAbove = await page.locator(`${root} .group`).evaluateAll((gs) => gs.every((g) => {
        const h = g.querySelector(".heading");
        return !h || [...g.querySelectorAll("input")].every((i) => i.getBoundingClientRect().top >= h.getBoundingClientRect().bottom - 1);
      }));
      assert.ok(headingsAbove);
      assert.deepEqual(await offScreen(page), []);
      // Every field filled, 确定 by Enter: the first printed line is in view.
      for (const n of order) {
        await page.locator(`${root} [data-name=Text${n}]`).fill(String(n === 1 ? 10000 : 5));
      }
      await page.keyboard.press("Enter");
      await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => requestAnimationFrame(ok))));
      assert.ok((await pageLines(page, w.form)).length > 0);
      const first = await page.locator(`${root} .print-area .line`).first().evaluate((l) => {
        const r = l.getBoundingClientRect();
        const area = l.parentElement.getBoundingClientRect();
        return { top: r.top, bottom: r.bottom, inArea: r.top >= area.top - 1 && r.bottom <= area.bottom + 1 };
      });
      assert.ok(first.top >= 0 && first.bottom <= (width < 600 ? 740 : 800) && first.inArea, JSON.stringify(first));
      assert.deepEqual(await offScreen(page), []);
      if (process.env.BOOKKEEPER_GRAB_DIR)
        await page.screenshot({ path: `${process.env.BOOKKEEPER_GRAB_DIR}/web-Form${w.form}-${width}.png`, fullPage: true });
      assert.deepEqual(problems, []);
      await page.close();
    });
  }
}

test("the main window at every width: the key box in view and focused, nothing off screen", async () => {
  for (const width of widths) {
    const { page, problems } = await openProgram(browser.context, server.url, { viewport: { width, height: 700 } });
    assert.equal(await page.evaluate(() => document.activeElement?.dataset.name), "Text1");
    const box = await page.locator("#Form1 [data-name=Text1]").boundingBox();
    assert.ok(box.x >= 0 && box.x + box.width <= width && box.y >= 0 && box.y + box.height <= 700, `${width}: ${JSON.stringify(box)}`);
    // The subjects are a visible button away, also by touch.
    await page.getByRole("button", { name: "按科目浏览" }).click();
    assert.ok(await page.getByRole("listbox", { name: "按科目浏览" }).first().isVisible());
    assert.deepEqual(await offScreen(page), [], `${width}`);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test("each window has its address; Back closes the front window and keeps the page while there is work", async () => {
  const { page, problems } = await openProgram(browser.context, `${server.url}#/${encodeURIComponent("累计折旧")}`,
    { viewport: { width: 1366, height: 800 } });
  const visible = () => page.evaluate(() => window.bookkeeper.session.visible());
  const address = () => page.evaluate(() => decodeURIComponent(location.hash));
  assert.deepEqual(await visible(), [79]);
  assert.equal(await address(), "#/累计折旧");
  await page.locator("#Form79 label.link").click();  // 累计折旧 opens Form25 beside it
  assert.deepEqual(await visible(), [25, 79]);
  assert.equal(await address(), "#/累计折旧计算");
  await page.goBack();
  assert.deepEqual(await visible(), [79]);
  assert.equal(await address(), "#/累计折旧");
  await page.locator("#Form79 input.control").first().fill("100");
  await page.goBack();
  assert.deepEqual(await visible(), [1]);
  // Something was typed: Back on the main window stays on the page.
  await page.goBack();
  await page.waitForTimeout(200);
  assert.equal(new URL(page.url()).origin, new URL(server.url).origin);
  assert.deepEqual(await visible(), [1]);
  assert.equal(await address(), "#/");
  // An address that names no window, or is not well encoded, does nothing;
  // one followed from the main window opens its window.
  const linesBefore = await pageLines(page, 1);
  for (const hash of ["#/%E7%A5", `#/${encodeURIComponent("应付票据")}`, "#/Form3"]) {
    await page.evaluate((hash) => { location.hash = hash; }, hash);
    await page.waitForTimeout(50);
    assert.deepEqual(await visible(), [1], hash);
  }
  await page.evaluate(() => { location.hash = `#/${encodeURIComponent("票据贴现")}`; });
  await page.waitForFunction(() => window.bookkeeper.session.visible()[0] === 86);
  assert.deepEqual(await pageLines(page, 1), linesBefore);
  assert.deepEqual(problems, []);
  await page.close();
});

test("a double click on a close box closes that window only", async () => {
  const { page, problems } = await openProgram(browser.context, server.url, { viewport: { width: 1366, height: 800 } });
  await page.keyboard.type("短期投资");
  await page.keyboard.press("Enter");
  assert.deepEqual(await page.evaluate(() => window.bookkeeper.session.visible()), [3]);
  // The main window's close box, which ends the program, comes back where
  // Form3's was: the second click must not reach it.
  await page.locator("#Form3 .close-box").dblclick();
  assert.deepEqual(await page.evaluate(() => window.bookkeeper.session.visible()), [1]);
  assert.ok(!(await page.evaluate(() => window.bookkeeper.session.ended())));
  assert.deepEqual(problems, []);
  await page.close();
});

test("a loading indicator from the first paint; a message and a retry button when the core cannot be loaded", async () => {
  // A browser of its own: no offline copy that would serve the core.
  const own = await launch({ serviceWorkers: "block" });
  const page = await own.context.newPage();
  let fail = true;
  await page.route("**/bookkeeper.wasm", (route) => (fail ? route.abort() : route.continue()));
  await page.goto(server.url, { waitUntil: "commit" });
  await page.waitForSelector("#loading", { state: "attached" });
  assert.equal(await page.locator("#loading").getAttribute("role"), "status");
  const failed = page.getByRole("alert");
  await failed.waitFor();
  assert.match(await failed.textContent(), /未能加载/);
  fail = false;
  await failed.getByRole("button", { name: "重试" }).click();
  await page.waitForSelector("html[data-ready=true]");
  assert.ok(!(await page.locator("#loading, #load-failed").count()));
  await own.close();
});

test("text stands out at 4.5:1 and the marker of a misread box at 3:1, on the front window and behind it", async () => {
  const { page, problems } = await openProgram(browser.context, `${server.url}#/${encodeURIComponent("累计折旧")}`,
    { viewport: { width: 1366, height: 800 } });
  await page.locator("#Form79 label.link").click();  // Form25 in front, Form79 behind it
  await page.locator("#Form25 [data-name=Text1]").fill("12abc");
  const pairs = await page.evaluate(() => {
    const rgb = (c) => c.match(/[\d.]+/g).slice(0, 3).map(Number);
    const luminance = (c) => {
      const [r, g, b] = rgb(c).map((v) => v / 255).map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const contrast = (a, b) => {
      const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p);
      return (x + 0.05) / (y + 0.05);
    };
    const background = (el) => {
      for (let e = el; e; e = e.parentElement) {
        const c = getComputedStyle(e).backgroundColor;
        if (!c.endsWith(", 0)") && c !== "transparent") return c;
      }
      return "rgb(255, 255, 255)";
    };
    const text = (selector) => {
      const el = document.querySelector(selector);
      return { what: selector, ratio: contrast(getComputedStyle(el).color, background(el)), least: 4.5 };
    };
    const box = document.querySelector("#Form25 [data-name=Text1]");
    return [
      text("#Form25 .titlebar h2"), text("#Form79 .titlebar h2"), text("#Form25 .group .heading"),
      text("#Form25 .row label"), text("#Form79 label.link"), text("#Form25 .note"), text(".window-bar button"),
      text(".window-bar button[aria-current=true]"), text(".about a"),
      { what: "marked box", ratio: contrast(getComputedStyle(box).borderTopColor, background(box.parentElement)), least: 3 },
      { what: "box frame", ratio: contrast(getComputedStyle(document.querySelector("#Form25 [data-name=Text2]")).borderTopColor,
        background(box.parentElement)), least: 3 },
    ];
  });
  for (const p of pairs) assert.ok(p.ratio >= p.least, `${p.what}: ${p.ratio.toFixed(2)}`);
  assert.deepEqual(problems, []);
  await page.close();
});
