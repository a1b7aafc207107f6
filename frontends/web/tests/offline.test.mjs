// Installable and offline: the manifest names the program and its icons,
// the service worker caches every file, and a reload with the server gone
// starts the program and computes.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readdir, readFile, writeFile, cp, mkdtemp, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve, launch, openProgram, site, pageLines } from "./browser.mjs";

test("the manifest makes it installable as 记账助手", async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const { page } = await openProgram(browser.context, server.url);
    const href = await page.locator("link[rel=manifest]").getAttribute("href");
    const manifest = await page.evaluate(async (href) => (await fetch(href)).json(), href);
    assert.equal(manifest.name, "记账助手");
    assert.equal(manifest.display, "standalone");
    assert.ok(manifest.id);
    assert.ok(manifest.icons.some((i) => i.sizes === "192x192" && i.type === "image/png"));
    assert.ok(manifest.icons.some((i) => i.sizes === "512x512" && i.type === "image/png"));
    assert.ok(manifest.icons.some((i) => i.purpose === "maskable"));
    assert.ok(manifest.screenshots.some((i) => i.form_factor === "wide") && manifest.screenshots.some((i) => i.form_factor === "narrow"));
    // The theme colour is the page's, and the icon's tile.
    assert.equal(manifest.theme_color, await page.locator("meta[name=theme-color]").getAttribute("content"));
    assert.ok((await readFile(join(site, "icon.svg"), "utf8")).includes(manifest.theme_color));
    // Each image is what it says it is: a PNG of the size named.
    for (const image of [...manifest.icons, ...manifest.screenshots].filter((i) => i.type === "image/png")) {
      const png = await readFile(join(site, image.src));
      assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, image.sizes, image.src);
    }
    for (const icon of manifest.icons) {
      const status = await page.evaluate(async (src) => (await fetch(src)).status, icon.src);
      assert.equal(status, 200, icon.src);
    }
  } finally {
    await browser.close();
    await server.close();
  }
});

test("after the first visit it starts and computes with the network gone", async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const { page, problems } = await openProgram(browser.context, server.url);
    await page.evaluate(async () => { await navigator.serviceWorker.ready; });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // The worker holds every file of the site.
    const cached = await page.evaluate(async () => {
      const names = await caches.keys();
      const cache = await caches.open(names.find((n) => n.startsWith("bookkeeper-")));
      return (await cache.keys()).map((r) => new URL(r.url).pathname.slice(1));
    });
    // The worker holds every file of the site but what only the install
    // dialog shows.
    const installOnly = /^(sw\.js|screenshot-.*|icon-512\.png|icon-maskable\.png)$/;
    for (const file of await readdir(site)) if (!installOnly.test(file)) assert.ok(cached.includes(file), file);
    // One download of each file: the worker took what the page had fetched.
    const downloads = server.served.filter((r) => r.status === 200).map((r) => r.path);
    assert.deepEqual(downloads.filter((p, i) => downloads.indexOf(p) !== i), []);
    // A second visit asks the network for nothing but whether the worker
    // has a new version.
    server.served.length = 0;
    const again = await browser.context.newPage();
    await again.goto(server.url);
    await again.waitForSelector("html[data-ready=true]");
    assert.deepEqual(server.served.map((r) => r.path).filter((p) => p !== "sw.js"), []);
    await again.close();
    await server.close();
    await browser.context.setOffline(true);
    await page.reload();
    await page.waitForSelector("html[data-ready=true]");
    await page.keyboard.type("短期投资");
    await page.keyboard.press("Enter");
    await page.keyboard.type("10000");
    await page.keyboard.press("Enter");
    assert.equal((await pageLines(page, 3)).length, 1);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
  }
});

test("a new version is announced, and a press on 重新加载 starts it", async () => {
  const root = await mkdtemp(join(tmpdir(), "bookkeeper-site-"));
  await cp(site, root, { recursive: true });
  const server = await serve(root);
  const browser = await launch({ backgroundNetworking: true });
  try {
    const { page, problems } = await openProgram(browser.context, server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const versions = () => page.evaluate(async () => (await caches.keys()).filter((k) => k.startsWith("bookkeeper-")));
    const [old] = await versions();
    assert.ok(await page.locator("#update").isHidden());
    // A new build: another version of the worker.
    const sw = await readFile(join(root, "sw.js"), "utf8");
    await writeFile(join(root, "sw.js"), sw.replace(/const VERSION = "([^"]*)"/, 'const VERSION = "$1-new"'));
    await page.reload();
    await page.waitForSelector("html[data-ready=true]");
    const banner = page.getByRole("status").filter({ hasText: "新版本可用" });
    await banner.waitFor({ timeout: 15000 });
    // The running page stays on the old version until the user says so.
    assert.deepEqual(await versions(), [old, `${old}-new`].sort());
    await banner.getByRole("button", { name: "重新加载" }).click();
    await page.waitForFunction((old) => navigator.serviceWorker.controller &&
      caches.keys().then((k) => !k.includes(old)), old, { timeout: 15000 });
    await page.waitForSelector("html[data-ready=true]");
    assert.deepEqual(await versions(), [`${old}-new`]);
    assert.ok(await page.locator("#update").isHidden());
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
    await rm(root, { recursive: true, force: true });
  }
});
