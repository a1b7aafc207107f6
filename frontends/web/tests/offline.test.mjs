// Installable and offline: the manifest names the program and its icons,
// the service worker caches every file, and a reload with the server gone
// starts the program and computes.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readdir } from "node:fs/promises";
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
    assert.ok(manifest.icons.some((i) => i.sizes === "any" || Number.parseInt(i.sizes) >= 144));
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
    // The worker holds every file of the site but the install dialog's screenshots.
    for (const file of await readdir(site)) if (file !== "sw.js" && !file.startsWith("screenshot-")) assert.ok(cached.includes(file), file);
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
