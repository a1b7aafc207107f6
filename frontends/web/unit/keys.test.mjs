// The keys of the page that need no browser to decide: the key box's
// lists, the print area's commands and keyboard selection, the page bar's
// shortcuts.
import { test } from "node:test";
import assert from "node:assert/strict";
import { load } from "./site.mjs";

const { listKey } = await load("key_box.js");
const { areaCommand, stepSpan, scrollTopFor } = await load("print_area.js");
const { isShortcut, menuLabel } = await load("page_bar.js");

const press = (key, mods = "") => ({
  key, ctrlKey: mods.includes("c"), metaKey: mods.includes("m"), shiftKey: mods.includes("s"), altKey: mods.includes("a"),
});

test("keys in the key box's open lists", () => {
  for (const [key, list, highlighted, step] of [
    ["ArrowDown", "completions", false, "down"],
    ["ArrowUp", "keys", true, "up"],
    ["Escape", "subjects", true, "hide"],
    ["ArrowRight", "subjects", true, "openKeys"],
    ["Enter", "subjects", true, "openKeys"],
    ["ArrowRight", "keys", true, "none"],
    ["ArrowLeft", "keys", true, "hide"],
    ["ArrowLeft", "completions", true, "none"],
    ["Enter", "completions", true, "pickAndPress"],
    ["Enter", "keys", true, "pick"],
    ["Enter", "completions", false, "close"],
    ["Enter", "keys", false, "close"],
    ["a", "completions", true, "none"],
    ["Tab", "keys", true, "none"],
  ]) assert.equal(listKey(key, list, highlighted), step, `${key} in ${list}`);
});

test("keys in the print area", () => {
  for (const [e, command] of [
    [press("ArrowDown", "s"), "selectDown"],
    [press("ArrowUp", "s"), "selectUp"],
    [press("ArrowDown"), undefined],
    [press("ArrowDown", "cs"), undefined],
    [press("a", "c"), "selectAll"],
    [press("A", "m"), "selectAll"],
    [press("a", "cs"), undefined],
    [press("C", "cs"), "copyAsTable"],
    [press("c", "c"), undefined],  // the browser's own copy
    [press("z", "c"), "undoClear"],
    [press("z", "cs"), undefined],
    [press("ContextMenu"), "menu"],
    [press("F10", "s"), "menu"],
    [press("F10"), undefined],
  ]) assert.equal(areaCommand(e), command, JSON.stringify(e));
});

test("Shift+Down and Shift+Up select whole lines, stopping at the ends", () => {
  const steps = (count, moves, from) => {
    let span = from;
    for (const step of moves) span = stepSpan(span, step, count);
    return span;
  };
  for (const [count, moves, from, span] of [
    [3, [1], undefined, { from: 0, to: 0 }],
    [3, [-1], undefined, { from: 2, to: 2 }],
    [3, [1, 1, 1], undefined, { from: 0, to: 2 }],
    [3, [1, 1, 1, 1, 1], undefined, { from: 0, to: 2 }],
    [3, [-1, -1, -1, -1], undefined, { from: 2, to: 0 }],
    [3, [1, 1, -1], undefined, { from: 0, to: 0 }],
    [5, [1, -1], { from: 2, to: 2 }, { from: 2, to: 2 }],
    [5, [-1, -1], { from: 2, to: 3 }, { from: 2, to: 1 }],
    [2, [1], { from: 4, to: 4 }, { from: 0, to: 0 }],  // lines cleared since: starts again
  ]) assert.deepEqual(steps(count, moves, from), span, JSON.stringify([count, moves, from]));
});

test("new lines scroll into view from the first of them", () => {
  for (const [area, first, top] of [
    [{ scrollHeight: 400, clientHeight: 200, offsetTop: 0 }, 250, 400],   // they fit: to the end
    [{ scrollHeight: 400, clientHeight: 200, offsetTop: 0 }, 100, 100],   // they do not: first at the top
    [{ scrollHeight: 400, clientHeight: 200, offsetTop: 30 }, 100, 70],
    [{ scrollHeight: 400, clientHeight: 200, offsetTop: 30 }, 200, 400],
  ]) assert.equal(scrollTopFor(area, first), top, JSON.stringify([area, first]));
});

test("the page bar's shortcuts and menu labels", () => {
  for (const [shortcut, e, is] of [
    ["Ctrl+G", press("g", "c"), true],
    ["Ctrl+G", press("G", "m"), true],
    ["Ctrl+G", press("g"), false],
    ["Ctrl+G", press("g", "cs"), false],
    ["Ctrl+G", press("g", "ca"), false],
    ["Ctrl+Shift+F", press("F", "cs"), true],
    ["Ctrl+Shift+F", press("f", "c"), false],
    ["F9", press("F9"), true],
    ["F9", press("F9", "c"), false],
  ]) assert.equal(isShortcut(shortcut, e), is, `${shortcut} ${JSON.stringify(e)}`);
  for (const [label, shown] of [["文件(&F)", "文件"], ["编辑(&E)", "编辑"], ["选项", "选项"], ["(&F)文件", "(&F)文件"]])
    assert.equal(menuLabel(label), shown);
});
