// A window's print area: the printed lines, the newest brought into view,
// the selection of lines (by mouse, or by keyboard a line at a time) and
// its copying, as text or as a table, from the keyboard or the area's menu.
import type { LineSelection } from "./core.js";
import type { FormOwner } from "./form_view.js";

// What a key does in the print area: Shift+Down and Shift+Up select lines,
// Ctrl+A every line, Ctrl+Shift+C copies them as a table, Ctrl+Z brings
// back what 取消 cleared, the Menu key or Shift+F10 opens the area's menu
// (Ctrl is also the Command key). Ctrl+C is the browser's own.
export type AreaCommand = "selectDown" | "selectUp" | "selectAll" | "copyAsTable" | "undoClear" | "menu";
export function areaCommand(e: { key: string; ctrlKey: boolean; metaKey: boolean; shiftKey: boolean }): AreaCommand | undefined {
  const ctrl = e.ctrlKey || e.metaKey;
  const letter = e.key.toLowerCase();
  if (e.shiftKey && !ctrl && e.key === "ArrowDown") return "selectDown";
  if (e.shiftKey && !ctrl && e.key === "ArrowUp") return "selectUp";
  if (ctrl && !e.shiftKey && letter === "a") return "selectAll";
  if (ctrl && e.shiftKey && letter === "c") return "copyAsTable";
  if (ctrl && !e.shiftKey && letter === "z") return "undoClear";
  if (e.key === "ContextMenu" || (e.shiftKey && e.key === "F10")) return "menu";
  return undefined;
}

// The lines selected by keyboard, from the line where the selection began
// to the one it reaches: `kept` is the selection made so far (undefined
// when there is none, or another was made since), `step` +1 for a line
// down, -1 for one up. A new selection starts at the top line going down,
// at the last going up; one that goes on stops at the first and last lines.
export interface LineSpan {
  from: number;
  to: number;
}
export function stepSpan(kept: LineSpan | undefined, step: number, count: number): LineSpan {
  if (!kept || kept.from < 0 || kept.from >= count) {
    const line = step > 0 ? 0 : count - 1;
    return { from: line, to: line };
  }
  return { from: kept.from, to: Math.max(0, Math.min(count - 1, kept.to + step)) };
}

// Where the print area scrolls to once new lines are drawn: to the end when
// they fit below the first of them, else to put that first one at the top.
export function scrollTopFor(area: { scrollHeight: number; clientHeight: number; offsetTop: number }, firstTop: number): number {
  return area.scrollHeight - firstTop <= area.clientHeight ? area.scrollHeight : firstTop - area.offsetTop;
}

export class PrintArea {
  readonly element: HTMLElement;
  // The first line printed since the area last scrolled, and whether a
  // scroll is waiting for the next frame.
  private firstNew?: HTMLElement;
  private scrollPending = false;
  private span?: LineSpan;

  // `windowRoot`: the window's element, hidden when the window is.
  constructor(private readonly form: number, private readonly owner: FormOwner, private readonly windowRoot: HTMLElement) {
    const area = (this.element = document.createElement("div"));
    area.className = "print-area";
    area.setAttribute("role", "log");
    area.setAttribute("aria-label", owner.texts.printArea);
    area.tabIndex = 0;
    area.addEventListener("contextmenu", (e) => {
      e.preventDefault();
      this.openMenu(e.clientX, e.clientY);
    });
    area.addEventListener("keydown", (e) => {
      const command = areaCommand(e);
      if (!command) return;
      this.run(command);
      e.preventDefault();
    });
  }

  // Adds the line at `row`; false when that is not the next row (the
  // window must draw its lines again).
  print(row: number, text: string): boolean {
    if (row !== this.element.childElementCount) return false;
    const line = lineElement(text);
    this.element.append(line);
    this.firstNew ??= line;
    this.scrollToNew();
    return true;
  }

  clear(): void {
    this.element.replaceChildren();
  }

  // Draws these lines in place of those drawn.
  show(lines: string[]): void {
    this.element.replaceChildren(...lines.map(lineElement));
    this.scrollToNew();
  }

  // Once the lines of an action are drawn, the first of them is in view:
  // at the top of the print area when they do not all fit in it, and on
  // the screen when the print area stands below the fields.
  private scrollToNew(): void {
    if (this.scrollPending) return;
    this.scrollPending = true;
    requestAnimationFrame(() => {
      this.scrollPending = false;
      const first = this.firstNew;
      this.firstNew = undefined;
      if (this.windowRoot.hidden) return;
      const area = this.element;
      if (!first?.isConnected) {
        area.scrollTop = area.scrollHeight;
        return;
      }
      area.scrollTop = scrollTopFor(area, first.offsetTop);
      const at = first.getBoundingClientRect();
      if (at.top < 0 || at.bottom > window.innerHeight) first.scrollIntoView({ block: "start" });
    });
  }

  // The selection as places in the printed lines, or null when nothing is
  // selected. A place before the print area is its first line's start, one
  // after it the end of the last line.
  selection(): LineSelection | null {
    const selection = document.getSelection();
    if (!selection || selection.isCollapsed || !selection.anchorNode || !selection.focusNode) return null;
    const lines = [...this.element.children];
    const whole = document.createRange();
    whole.selectNodeContents(this.element);
    const at = (node: Node, offset: number): [number, number] => {
      const side = whole.comparePoint(node, offset);
      if (side < 0) return [0, 0];
      if (side > 0) return [lines.length, 0];
      if (node === this.element) return [offset, 0];
      const line = lines.findIndex((l) => l.contains(node));
      if (line < 0) return [0, 0];
      const before = document.createRange();
      before.setStart(lines[line], 0);
      before.setEnd(node, offset);
      return [line, before.toString().length];
    };
    const [anchorLine, anchorColumn] = at(selection.anchorNode, selection.anchorOffset);
    const [endLine, endColumn] = at(selection.focusNode, selection.focusOffset);
    return { anchorLine, anchorColumn, endLine, endColumn };
  }

  private run(command: AreaCommand): void {
    switch (command) {
      case "selectDown":
      case "selectUp":
        this.selectLine(command === "selectDown" ? 1 : -1);
        break;
      case "selectAll":
        document.getSelection()?.selectAllChildren(this.element);
        break;
      case "copyAsTable":
        void this.owner.copyAsTable(this.form, this.selection());
        break;
      case "undoClear":
        this.owner.undoClear(this.form);
        break;
      case "menu": {
        const at = this.element.getBoundingClientRect();
        this.openMenu(at.left + 8, at.top + 8);
        break;
      }
    }
  }

  // Selects whole lines from where a keyboard selection began to one line
  // further.
  private selectLine(step: number): void {
    const lines = this.element.children;
    const selection = document.getSelection();
    if (!lines.length || !selection) return;
    const ours = !selection.isCollapsed && this.element.contains(selection.anchorNode);
    const span = (this.span = stepSpan(ours ? this.span : undefined, step, lines.length));
    const range = document.createRange();
    range.setStartBefore(lines[Math.min(span.from, span.to)]);
    range.setEndAfter(lines[Math.max(span.from, span.to)]);
    selection.removeAllRanges();
    selection.addRange(range);
  }

  private openMenu(x: number, y: number): void {
    const selection = document.getSelection();
    const selected = !!selection && !selection.isCollapsed && this.element.contains(selection.anchorNode);
    const { owner, form } = this;
    const t = owner.texts;
    const any = this.element.childElementCount > 0;
    owner.menu.open(x, y, [
      { label: t.copy, enabled: selected, action: () => void navigator.clipboard?.writeText(selection?.toString() ?? "") },
      { label: t.selectAll, enabled: any, action: () => document.getSelection()?.selectAllChildren(this.element) },
      { label: t.copyAsTable, enabled: any, action: () => void owner.copyAsTable(form, this.selection()) },
      { label: t.undoClear, enabled: owner.session.canUndoClear(form), action: () => owner.undoClear(form) },
    ]);
  }
}

function lineElement(text: string): HTMLElement {
  const line = document.createElement("div");
  line.className = "line";
  line.textContent = text;
  return line;
}
