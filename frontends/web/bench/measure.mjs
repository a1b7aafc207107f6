// Measures of the web edition (a benchmark, not a test): load time to a
// usable main window against a bare page served the same way, cold and
// warm, the site's gzip size and what a first visit transfers, a press and a lookup in the browser, and the page's
// memory with every window opened once against the bare page.
//   node bench/measure.mjs      (after scripts/build-web.sh)
import { readFile, readdir, mkdtemp, writeFile, rm } from "node:fs/promises";
import { gzipSync } from "node:zlib";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve, launch, site, repo } from "../tests/browser.mjs";
import { runScript } from "../tests/transcript.mjs";

const runs = Number(process.env.RUNS ?? 15);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// Transfer size: every file gzipped.
let total = 0;
const sizes = [];
for (const file of (await readdir(site)).sort()) {
  const body = await readFile(join(site, file));
  const gz = gzipSync(body, { level: 9 }).length;
  total += gz;
  sizes.push(`${file} ${body.length} -> ${gz}`);
}
console.log(`site, gzip -9: ${(total / 1024).toFixed(1)} KiB\n  ${sizes.join("\n  ")}`);

// The bare page: one input and one button.
const bareDir = await mkdtemp(join(tmpdir(), "bookkeeper-bare-"));
await writeFile(join(bareDir, "index.html"),
  '<!doctype html><html lang="zh-CN"><meta charset="utf-8"><title>bare</title>' +
  '<input id="k"><button>确定</button><script>document.getElementById("k").focus();' +
  'performance.mark("ready");document.documentElement.dataset.ready="true"</script></html>');
const program = await serve();
const bare = await serve(bareDir);
const browser = await launch();
const context = browser.context;

// Time from the start of navigation to a usable page: the ready mark with
// the focus in the key box. A fresh page each run, the program and the bare
// page taking turns; cold: the browser's HTTP cache (and the compiled code
// it keeps) emptied before each load; warm: kept from the load before; on a
// link of 50 ms round trip, cold, where each request made only after another
// has come back costs a round trip more. No service worker here (its own
// figures follow).
async function loadTime(url, { cold, latency = 0 }) {
  const page = await context.newPage();
  await page.route("**/sw.js", (route) => route.abort());
  const cdp = await context.newCDPSession(page);
  if (cold) await cdp.send("Network.clearBrowserCache");
  if (latency) {
    await cdp.send("Network.enable");
    await cdp.send("Network.emulateNetworkConditions",
      { offline: false, latency, downloadThroughput: -1, uploadThroughput: -1 });
  }
  await page.goto(url);
  await page.waitForSelector("html[data-ready=true]");
  const ms = await page.evaluate(() => performance.getEntriesByName("ready")[0].startTime);
  await page.close();
  return ms;
}
for (const [name, how] of [["cold", { cold: true }], ["warm", { cold: false }], ["cold, 50 ms round trip", { cold: true, latency: 50 }]]) {
  const programTimes = [];
  const bareTimes = [];
  if (!how.cold) await loadTime(program.url, how);
  for (let i = 0; i < runs; ++i) {
    programTimes.push(await loadTime(program.url, how));
    bareTimes.push(await loadTime(bare.url, how));
  }
  console.log(`load to usable, ${name}, median of ${runs}: program ${median(programTimes).toFixed(1)} ms, ` +
    `bare page ${median(bareTimes).toFixed(1)} ms, ratio ${(median(programTimes) / median(bareTimes)).toFixed(2)}`);
}

// The first visit with the service worker: every request the server
// answered until the worker holds the offline copy, and the bytes of their
// bodies gzipped; then the second visit.
{
  const fresh = await launch();
  const server = await serve();
  const page = await fresh.context.newPage();
  await page.goto(server.url);
  await page.waitForSelector("html[data-ready=true]");
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const first = [...server.served];
  const sum = first.reduce((n, r) => n + r.gzip, 0);
  console.log(`first visit: ${first.length} requests (${first.filter((r) => r.status === 304).length} answered 304), ` +
    `${(sum / 1024).toFixed(1)} KiB (${(sum / 1000).toFixed(1)} kB) gzip, service worker included`);
  server.served.length = 0;
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  console.log(`second visit: ${server.served.length} requests (${server.served.map((r) => r.path).join(", ")})`);
  await fresh.close();
  await server.close();
}

// A press and a lookup through the binding (the core and the events, no
// drawing) and through the page (typing, drawing).
const page = await context.newPage();
await page.route("**/sw.js", (route) => route.abort());
await page.goto(program.url);
await page.waitForSelector("html[data-ready=true]");
const timing = await page.evaluate(() => {
  const app = window.bookkeeper;
  const s = app.session;
  const per = (n, f) => { const t = performance.now(); for (let i = 0; i < n; ++i) f(); return (performance.now() - t) / n * 1000; };
  s.setText(1, 1, "利润总额");
  const lookupMiss = per(2000, () => { s.setText(1, 1, "没有这个关键字"); s.click(1, "button", 1); });
  app.restart();
  const t = app.session;
  app.apply(t.setText(1, 1, "短期投资"));
  app.apply(t.click(1, "button", 1));
  app.apply(t.setText(3, 1, "10000"));
  app.apply(t.setText(3, 2, "0.13"));
  const pressCore = per(2000, () => { t.click(3, "button", 1); });
  const ok = document.querySelector("#Form3 [data-name=Command1]");
  const pressPage = per(500, () => ok.click());
  return { lookupMiss, pressCore, pressPage };
});
console.log(`one lookup (miss) through the binding: ${timing.lookupMiss.toFixed(1)} µs; ` +
  `one press of 确定 on Form3 through the binding: ${timing.pressCore.toFixed(1)} µs, through the page: ${timing.pressPage.toFixed(1)} µs`);
const script = await readFile(join(repo, "tests/golden/catalogue_all_windows.script"), "utf8");
let t = performance.now();
await runScript(page, script);
console.log(`the whole catalogue through the page: ${(performance.now() - t).toFixed(0)} ms`);
await page.close();

// Memory: the JavaScript heap and the core's WebAssembly memory of a page
// with every window opened once, against the bare page.
async function memory(url, work) {
  const p = await context.newPage();
  await p.route("**/sw.js", (route) => route.abort());
  await p.goto(url);
  await p.waitForSelector("html[data-ready=true]");
  if (work) await work(p);
  const cdp = await context.newCDPSession(p);
  await cdp.send("HeapProfiler.collectGarbage");
  await cdp.send("Performance.enable");
  const { metrics } = await cdp.send("Performance.getMetrics");
  const m = Object.fromEntries(metrics.map((x) => [x.name, x.value]));
  // The core's memory is a WebAssembly.Memory, outside the JS heap's count.
  const wasm = await p.evaluate(() => window.bookkeeper?.core.HEAP8.buffer.byteLength ?? 0);
  await p.close();
  return { heap: m.JSHeapUsedSize, nodes: m.Nodes, wasm };
}
const bareMem = await memory(bare.url);
const fullMem = await memory(program.url, async (p) => { await runScript(p, script); });
const mb = (x) => (x / 1048576).toFixed(2);
console.log(`memory, JS heap used: every window opened ${mb(fullMem.heap)} MiB (${fullMem.nodes} DOM nodes) ` +
  `+ WebAssembly memory ${mb(fullMem.wasm)} MiB, ` +
  `bare page ${mb(bareMem.heap)} MiB (${bareMem.nodes} nodes)`);

await browser.close();
await program.close();
await bare.close();
await rm(bareDir, { recursive: true, force: true });
