// What the browser keeps between visits: where unreadable work goes, the
// stored choice of rounding, and what counts as work.
import { test } from "node:test";
import assert from "node:assert/strict";
import { load } from "./site.mjs";

const { sessionKey, amountsKey, asideKey, amountsChoice, storedAmounts, hasWork } = await load("kept_session.js");

test("unreadable work is moved to the first free key, never over another", () => {
  const k = "bookkeeper.session";
  assert.equal(sessionKey, k);
  for (const [taken, aside] of [
    [[], `${k}.unreadable`],
    [[`${k}.unreadable`], `${k}.unreadable-2`],
    [[`${k}.unreadable`, `${k}.unreadable-2`], `${k}.unreadable-3`],
    [[`${k}.unreadable-2`], `${k}.unreadable`],
    [[k], `${k}.unreadable`],
  ]) assert.equal(asideKey(k, (key) => taken.includes(key)), aside, taken.join());
});

test("the choice of rounding reads back as stored; anything else is unreadable", () => {
  assert.equal(amountsKey, "bookkeeper.amounts");
  for (const [stored, on] of [[null, true], ["fen", true], ["exact", false], ["", undefined], ["FEN", undefined], ["true", undefined]])
    assert.equal(amountsChoice(stored), on, String(stored));
  for (const on of [true, false]) assert.equal(amountsChoice(storedAmounts(on)), on);
});

test("work is a printed line anywhere or a text in a calculator", () => {
  for (const [windows, work] of [
    [{}, false],
    [{ 1: { lines: [], texts: { 1: "应收账款" } } }, false],
    [{ 1: { lines: ["应收账款"], texts: {} } }, true],
    [{ 1: { lines: [], texts: {} }, 7: { lines: [], texts: { 1: "", 2: "" } } }, false],
    [{ 1: { lines: [], texts: {} }, 7: { lines: [], texts: { 1: "", 2: "100" } } }, true],
    [{ 1: { lines: [], texts: {} }, 7: { lines: ["应收账款合计 100"], texts: {} } }, true],
  ]) {
    const forms = Object.keys(windows).map(Number);
    assert.equal(hasWork(forms, (f) => windows[f].lines, (f) => windows[f].texts), work, JSON.stringify(windows));
  }
});
