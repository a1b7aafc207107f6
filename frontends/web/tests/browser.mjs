// What the browser tests share: the built site served on a loopback port,
// and Debian's Chromium, headless, driven by playwright-core.
import { createServer } from "node:http";
import { readFile, mkdtemp, rm, stat } from "node:fs/promises";
import { gzipSync } from "node:zlib";
import { tmpdir } from "node:os";
import { join, extname, normalize, resolve, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { spawnSync } from "node:child_process";
import { chromium } from "playwright-core";

const here = dirname(fileURLToPath(import.meta.url));
export const repo = resolve(here, "../../..");
export const site = process.env.BOOKKEEPER_SITE ?? join(repo, "build-web/site");

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".txt": "text/plain; charset=utf-8",
};

// A plain static server of the site, as any web server would host it: each
// file with its validator (ETag), a request that has the file already
// answered 304 without a body. `served` lists what went out: the path, the
// status and the body's size gzipped, as a server that compresses sends it.
export async function serve(root = site) {
  const served = [];
  const server = createServer(async (req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, "http://x").pathname)).replace(/^\/+/, "");
    const file = join(root, path === "" || path.endsWith("/") ? join(path, "index.html") : path);
    try {
      const [body, info] = await Promise.all([readFile(file), stat(file)]);
      const etag = `"${info.size.toString(16)}-${Math.floor(info.mtimeMs).toString(16)}"`;
      if (req.headers["if-none-match"] === etag) {
        served.push({ path, status: 304, gzip: 0 });
        res.writeHead(304, { etag }).end();
        return;
      }
      // Gzipped when asked, not while the page waits for the file.
      let gzip;
      served.push({ path, status: 200, get gzip() { return (gzip ??= gzipSync(body).length); } });
      res.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream", etag });
      res.end(body);
    } catch {
      served.push({ path, status: 404, gzip: 0 });
      res.writeHead(404).end();
    }
  });
  await new Promise((ok) => server.listen(0, "127.0.0.1", ok));
  const url = `http://localhost:${server.address().port}/`;
  return { url, served, close: () => new Promise((ok) => server.close(ok)) };
}

// Chromium with a fresh profile of its own; closing removes the profile.
// With { backgroundNetworking: true } the browser checks a service worker
// for updates as it would for a user.
export async function launch({ backgroundNetworking = false, ...options } = {}) {
  const profile = await mkdtemp(join(tmpdir(), "bookkeeper-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      ...(backgroundNetworking ? [] : ["--disable-background-networking"]), "--disable-component-update", "--disable-sync"],
    ...options,
  });
  const close = async () => {
    await context.close();
    await rm(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// A page of the program, open and started, with every console error and
// page exception collected in `problems`. It starts with empty windows, as
// on a first visit, unless `keepSession`: then with the work the browser
// kept from the pages before it.
export async function openProgram(context, url, { viewport, keepSession = false } = {}) {
  const page = await context.newPage();
  if (viewport) await page.setViewportSize(viewport);
  if (!keepSession) await page.addInitScript(() => localStorage.removeItem("bookkeeper.session"));
  const problems = [];
  page.on("pageerror", (e) => problems.push(`exception: ${e.message}`));
  page.on("console", (m) => { if (m.type() === "error") problems.push(`console: ${m.text()}`); });
  await page.goto(url);
  await page.waitForSelector("html[data-ready=true]");
  return { page, problems };
}

// What bookkeeper-replay, the same core without a screen, answers to a script.
export function replayLog(script) {
  const tool = process.env.BOOKKEEPER_REPLAY ?? join(repo, "build/bin/bookkeeper-replay");
  const run = spawnSync(tool, { input: script, encoding: "utf8" });
  if (run.status !== 0) throw new Error(`bookkeeper-replay: ${run.stderr}`);
  return run.stdout;
}

// The lines a window's print area holds, as the replay tool's `screen` says.
export function replayScreen(script, form) {
  const prefix = `screen Form${form} `;
  return replayLog(`${script}\nscreen Form${form}\n`).split("\n").filter((l) => l.startsWith(prefix))
    .map((l) => l.slice(l.indexOf("[") + 1, l.lastIndexOf("]")));
}

// The lines the page shows in a window's print area.
export async function pageLines(page, form) {
  return page.locator(`#Form${form} .print-area .line`).allTextContents();
}
