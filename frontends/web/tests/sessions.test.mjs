// Random sessions (bookkeeper-sessions) through the web edition's windows:
// each gives the replay tool's event log, and after every command the page
// shows what the core holds; no exception, no console error.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { join } from "node:path";
import { serve, launch, openProgram, replayLog, repo } from "./browser.mjs";
import { runScript } from "./transcript.mjs";

const tool = process.env.BOOKKEEPER_SESSIONS ?? join(repo, "build/bin/bookkeeper-sessions");
let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); await server?.close(); });

test("random sessions give the replay tool's log and lose nothing on the page", async () => {
  const made = spawnSync(tool, ["20261207", "300"], { encoding: "utf8" });
  assert.equal(made.status, 0, made.stderr);
  const sessions = made.stdout.split(/^# session \d+\n/m).filter((s) => s.length);
  assert.equal(sessions.length, 300);
  const { page, problems } = await openProgram(browser.context, server.url);
  let printed = 0;
  for (const [n, script] of sessions.entries()) {
    const expected = replayLog(script);
    const log = await runScript(page, script, { check: true });
    assert.equal(log, expected, `session ${n}:\n${script}`);
    printed += log.split("\n").filter((l) => l.startsWith("print ")).length;
  }
  assert.ok(printed > 1000, `only ${printed} lines printed`);
  assert.deepEqual(problems, []);
  await page.close();
});
