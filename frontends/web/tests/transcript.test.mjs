// The golden transcripts run in the browser through the web edition's
// windows give the same event log, byte for byte, as bookkeeper-replay.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { readFile, readdir } from "node:fs/promises";
import { join } from "node:path";
import { serve, launch, openProgram, repo } from "./browser.mjs";
import { runScript } from "./transcript.mjs";

const golden = join(repo, "tests/golden");
let server, browser, page, problems;
before(async () => {
  server = await serve();
  browser = await launch();
  ({ page, problems } = await openProgram(browser.context, server.url));
});
after(async () => { await browser?.close(); await server?.close(); });

async function replay(name) {
  const script = await readFile(join(golden, `${name}.script`), "utf8");
  const expected = await readFile(join(golden, `${name}.log`), "utf8");
  const log = await runScript(page, script, { check: true });
  assert.deepEqual(problems, []);
  // Line by line first, so that a difference shows where it is.
  assert.deepEqual(log.split("\n"), expected.split("\n"));
  assert.equal(log, expected);
}

test("the whole catalogue gives the replay tool's log", () => replay("catalogue_all_windows"));

test("every other transcript gives the replay tool's log", async () => {
  // Layout answers ("controls") and the list of every window's title and
  // return ("windows") are the replay tool's own report.
  const names = (await readdir(golden)).filter((f) => f.endsWith(".script")).map((f) => f.slice(0, -7));
  let ran = 0;
  for (const name of names) {
    if (name === "catalogue_all_windows") continue;
    if (/^(controls |windows$)/m.test(await readFile(join(golden, `${name}.script`), "utf8"))) continue;
    await replay(name);
    ++ran;
  }
  assert.ok(ran > 50, `only ${ran} transcripts ran`);
});
