// One window of the program on the page: a title bar with the close box,
// and the client area laid out from the core's description of the window:
// its fields group by group (a heading and its rows, column by column), the
// buttons, the hint under a key box and the print area. The layout flows
// with the width (style.css): one column of groups on a narrow screen,
// groups side by side where there is room, the printed lines beside or
// below. The elements stand in reading order, which is also the tab order.
// It reports the user's actions to its owner and draws what it is told; it
// decides nothing.
import { ControlSpec, LineSelection, Session, UiTexts, WindowSpec } from "./core.js";
import { ContextMenu, ListPopup } from "./popup.js";

export interface FormOwner {
  readonly session: Session;
  readonly texts: UiTexts;
  readonly menu: ContextMenu;
  click(form: number, control: ControlSpec): void;
  typed(form: number, number: number, text: string): void;
  closeBox(form: number): void;
  activate(form: number): void;
  copyAsTable(form: number, selection: LineSelection | null): Promise<void>;
  undoClear(form: number): void;  // 撤销清除
}

// A key that an input method is still composing with (some browsers say so
// only by the key code 229).
function composing(e: KeyboardEvent): boolean {
  return e.isComposing || e.keyCode === 229;
}

// When the last Enter that acted was pressed: a window shown just after it
// was opened by it.
let enterAt = -Infinity;

export class FormView {
  readonly root: HTMLElement;
  readonly inputs = new Map<number, HTMLInputElement>();
  private readonly area: HTMLElement;
  private readonly client: HTMLElement;
  private readonly controls = new Map<string, HTMLElement>();
  private readonly notes = new Map<number, HTMLElement>();
  private readonly browseButtons = new Map<number, HTMLButtonElement>();
  private readonly closeBox: HTMLButtonElement;
  private hint?: HTMLElement;
  private readonly heading: HTMLElement;
  // A window that appeared on an Enter takes no Enter until then, unless
  // the user works in it first: the Enter that opened it acts once.
  private freshUntil = 0;

  constructor(readonly spec: WindowSpec, private readonly owner: FormOwner) {
    const form = spec.form;
    this.root = document.createElement("section");
    this.root.className = "window";
    this.root.id = spec.name;
    this.root.hidden = true;
    this.root.setAttribute("aria-label", spec.title);

    const bar = document.createElement("header");
    bar.className = "titlebar";
    const title = (this.heading = document.createElement("h2"));
    title.textContent = spec.title;
    this.closeBox = document.createElement("button");
    this.closeBox.type = "button";
    this.closeBox.className = "close-box";
    this.closeBox.textContent = "×";
    this.closeBox.setAttribute("aria-label", owner.texts.close);
    this.closeBox.title = owner.texts.close;
    this.closeBox.tabIndex = -1;
    // One press closes the window once: a second click of a double click
    // lands on what lay under the box, never on the box again.
    this.closeBox.addEventListener("click", (e) => {
      if (e.detail > 1 || this.root.hidden) return;
      owner.closeBox(form);
    });
    bar.append(title, this.closeBox);
    // A repeated Enter (the key held down), or a quick second one in the
    // window the first opened, presses nothing.
    this.root.addEventListener("keydown", (e) => {
      if (e.key !== "Enter") {
        this.freshUntil = 0;
        enterAt = -Infinity;
      } else if (!composing(e) && (e.repeat || performance.now() < this.freshUntil)) {
        this.freshUntil = 0;
        e.preventDefault();
        e.stopPropagation();
      } else if (!composing(e)) {
        enterAt = performance.now();
      }
    }, true);
    this.root.addEventListener("pointerdown", () => {
      this.freshUntil = 0;
      enterAt = -Infinity;
    }, true);

    this.client = document.createElement("div");
    this.client.className = "client";

    this.area = document.createElement("div");
    this.area.className = "print-area";
    this.area.setAttribute("role", "log");
    this.area.setAttribute("aria-label", owner.texts.printArea);
    this.area.tabIndex = 0;
    this.area.addEventListener("contextmenu", (e) => {
      e.preventDefault();
      this.openAreaMenu(e.clientX, e.clientY);
    });
    this.area.addEventListener("keydown", (e) => this.areaKey(e));

    for (const c of spec.controls) {
      const el = this.makeControl(c);
      el.classList.add("control");
      el.dataset.name = c.name;
      this.controls.set(c.name, el);
    }
    const fields = this.layOutGroups();
    const buttons = document.createElement("div");
    buttons.className = "buttons";
    for (const c of spec.controls) if (c.kind === "button") buttons.append(this.controls.get(c.name)!);
    this.client.append(fields, buttons);
    // The hint under the key box, then the printed lines: the last stops
    // of the tab order.
    if (spec.hintArea) {
      this.hint = document.createElement("div");
      this.hint.className = "hint";
      this.hint.setAttribute("role", "alert");
      this.hint.hidden = true;
      this.client.append(this.hint);
    }
    this.client.append(this.area);
    // A caption names the box beside it, also for a screen reader, and
    // explains it as the box does.
    for (const c of spec.controls) {
      const input = c.kind === "label" && c.buddy ? this.inputs.get(c.buddy) : undefined;
      const label = this.controls.get(c.name);
      if (input && label instanceof HTMLLabelElement) {
        label.htmlFor = input.id;
        const tip = spec.controls.find((t) => t.kind === "text" && t.number === c.buddy)?.tip;
        if (tip) label.title = tip;
      }
    }

    this.root.append(bar, this.client);
    this.root.addEventListener("pointerdown", () => owner.activate(form));
    this.root.addEventListener("focusin", (e) => {
      owner.activate(form);
      // The box that takes the focus is in view, also under a keyboard on
      // a phone's screen.
      const target = e.target as HTMLElement;
      if (target.matches("input, button, [tabindex]")) target.scrollIntoView({ block: "nearest", inline: "nearest" });
    });
  }

  // The fields group by group: each column of the core's layout a column
  // here, each group a heading and its rows (a caption, its box and the
  // box's note under it). A label the groups do not name still stands, at
  // the end of the last group.
  private layOutGroups(): HTMLElement {
    const fields = document.createElement("div");
    fields.className = "fields";
    const placed = new Set<string>();
    const take = (name: string): HTMLElement | undefined => {
      const el = this.controls.get(name);
      if (el) placed.add(name);
      return el;
    };
    let column: HTMLElement | undefined;
    let columnNumber = -1;
    let last: HTMLElement | undefined;
    this.spec.groups.forEach((g, index) => {
      if (!column || g.column !== columnNumber) {
        column = document.createElement("div");
        column.className = "column";
        columnNumber = g.column;
        fields.append(column);
      }
      const group = document.createElement("div");
      group.className = "group";
      group.setAttribute("role", "group");
      const heading = g.heading ? take(`Label${g.heading}`) : undefined;
      if (heading) {
        heading.classList.add("heading");
        heading.id = `${this.spec.name}-group${index}`;
        group.setAttribute("aria-labelledby", heading.id);
        group.append(heading);
      }
      for (const r of g.rows) {
        const row = document.createElement("div");
        row.className = "row";
        const caption = r.label ? take(`Label${r.label}`) : undefined;
        if (caption) row.append(caption);
        else row.classList.add("uncaptioned");
        const box = document.createElement("div");
        box.className = "box";
        const input = take(`Text${r.text}`);
        if (input) box.append(input);
        const browse = this.browseButtons.get(r.text);
        if (browse) box.append(browse);
        const note = this.notes.get(r.text);
        if (note) box.append(note);
        row.append(box);
        group.append(row);
      }
      column.append(group);
      last = group;
    });
    for (const c of this.spec.controls) {
      if (c.kind === "button" || placed.has(c.name)) continue;
      if (!last) {
        last = document.createElement("div");
        last.className = "group";
        fields.append(last);
      }
      last.append(this.controls.get(c.name)!);
      const browse = c.kind === "text" ? this.browseButtons.get(c.number) : undefined;
      const note = c.kind === "text" ? this.notes.get(c.number) : undefined;
      if (browse) last.append(browse);
      if (note) last.append(note);
    }
    return fields;
  }

  control(name: string): HTMLElement | undefined {
    return this.controls.get(name);
  }

  // The window was shown (or brought to the front).
  shown(): void {
    const now = performance.now();
    this.freshUntil = now - enterAt < 200 ? now + 500 : 0;
  }

  // The title the core gave the window: what opened it.
  get title(): string {
    return this.heading.textContent ?? "";
  }
  set title(text: string) {
    this.heading.textContent = text;
    this.root.setAttribute("aria-label", text);
  }

  // The core's hint: its message, then each offered key as a link that
  // puts the key into the key box. An empty message takes it away.
  showHint(message: string, keys: string[]): void {
    if (!this.hint) return;
    const hadFocus = this.hint.contains(document.activeElement);
    if (!message) {
      this.hint.hidden = true;
      this.hint.replaceChildren();
      if (hadFocus) this.keyBox()?.input.focus();
      return;
    }
    const text = document.createElement("p");
    text.textContent = message;
    const links = keys.map((key) => {
      const link = document.createElement("button");
      link.type = "button";
      link.className = "link";
      link.setAttribute("role", "link");
      link.textContent = key;
      link.setAttribute("aria-description", this.owner.texts.hintKeyAction);
      link.addEventListener("click", () => this.chooseKey(key));
      return link;
    });
    // Shown before it is filled, so that a screen reader reads it out.
    this.hint.hidden = false;
    this.hint.replaceChildren(text, ...links);
  }

  // The box a key goes into: the one that offers keys.
  private keyBox(): { spec: ControlSpec; input: HTMLInputElement } | undefined {
    const spec = this.spec.controls.find((c) => c.kind === "text" && (c.completes || c.browses));
    const input = spec && this.inputs.get(spec.number);
    return spec && input ? { spec, input } : undefined;
  }

  private chooseKey(key: string): void {
    const box = this.keyBox();
    if (!box) return;
    box.input.value = key;
    box.input.focus();
    this.owner.typed(this.spec.form, box.spec.number, key);
  }

  // A box whose text is not wholly a number is marked, and the note under
  // it says which number was used; the box is described by the note.
  private markField(number: number): void {
    const input = this.inputs.get(number);
    const note = this.notes.get(number);
    if (!input || !note) return;
    const text = this.owner.session.fieldNote(this.spec.form, number);
    input.classList.toggle("marked", text !== "");
    note.textContent = text;
    note.hidden = text === "";
    if (text) {
      input.setAttribute("aria-invalid", "true");
      input.setAttribute("aria-describedby", note.id);
    } else {
      input.removeAttribute("aria-invalid");
      input.removeAttribute("aria-describedby");
    }
  }

  // The first control in tab order, which takes the focus when shown.
  focusFirst(): void {
    const first = this.spec.controls.find((c) => c.kind !== "label");
    const el = first && this.controls.get(first.name);
    if (!el) return;
    el.focus({ preventScroll: true });
    el.scrollIntoView({ block: "nearest", inline: "nearest" });
  }

  printLine(row: number, text: string): void {
    if (row !== this.area.childElementCount) {
      this.redraw();
      return;
    }
    const line = this.lineElement(text);
    this.area.append(line);
    this.firstNew ??= line;
    this.scrollToNew();
  }

  // Once the lines of an action are drawn, the first of them is in view:
  // at the top of the print area when they do not all fit in it, and on
  // the screen when the print area stands below the fields.
  private firstNew?: HTMLElement;
  private scrollPending = false;
  private scrollToNew(): void {
    if (this.scrollPending) return;
    this.scrollPending = true;
    requestAnimationFrame(() => {
      this.scrollPending = false;
      const first = this.firstNew;
      this.firstNew = undefined;
      if (this.root.hidden) return;
      if (!first?.isConnected) {
        this.area.scrollTop = this.area.scrollHeight;
        return;
      }
      const fits = this.area.scrollHeight - first.offsetTop <= this.area.clientHeight;
      this.area.scrollTop = fits ? this.area.scrollHeight : first.offsetTop - this.area.offsetTop;
      const at = first.getBoundingClientRect();
      if (at.top < 0 || at.bottom > window.innerHeight) first.scrollIntoView({ block: "start" });
    });
  }

  clearOutput(): void {
    this.area.replaceChildren();
  }

  // Draws the lines and texts the program holds for this window again.
  redraw(): void {
    this.area.replaceChildren(...this.owner.session.lines(this.spec.form).map((t) => this.lineElement(t)));
    for (const [number, text] of Object.entries(this.owner.session.texts(this.spec.form))) {
      const input = this.inputs.get(Number(number));
      if (input && input.value !== text) input.value = text;
      this.markField(Number(number));
    }
    this.scrollToNew();
  }

  private lineElement(text: string): HTMLElement {
    const line = document.createElement("div");
    line.className = "line";
    line.textContent = text;
    return line;
  }

  // The selection as places in the printed lines, or null when nothing is
  // selected. A place before the print area is its first line's start, one
  // after it the end of the last line.
  selection(): LineSelection | null {
    const selection = document.getSelection();
    if (!selection || selection.isCollapsed || !selection.anchorNode || !selection.focusNode) return null;
    const lines = [...this.area.children];
    const whole = document.createRange();
    whole.selectNodeContents(this.area);
    const at = (node: Node, offset: number): [number, number] => {
      const side = whole.comparePoint(node, offset);
      if (side < 0) return [0, 0];
      if (side > 0) return [lines.length, 0];
      if (node === this.area) return [offset, 0];
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

  // The print area by keyboard: Shift+Down and Shift+Up select lines,
  // Ctrl+A every line, Ctrl+C copies them, Ctrl+Shift+C copies them as a
  // table, Ctrl+Z brings back what 取消 cleared, the Menu key or Shift+F10
  // opens its menu.
  private areaKey(e: KeyboardEvent): void {
    const ctrl = e.ctrlKey || e.metaKey;
    if (e.shiftKey && !ctrl && (e.key === "ArrowDown" || e.key === "ArrowUp")) {
      this.extendSelection(e.key === "ArrowDown" ? 1 : -1);
    } else if (ctrl && !e.shiftKey && e.key.toLowerCase() === "a") {
      document.getSelection()?.selectAllChildren(this.area);
    } else if (ctrl && e.shiftKey && e.key.toLowerCase() === "c") {
      void this.owner.copyAsTable(this.spec.form, this.selection());
    } else if (ctrl && !e.shiftKey && e.key.toLowerCase() === "z") {
      this.owner.undoClear(this.spec.form);
    } else if (e.key === "ContextMenu" || (e.shiftKey && e.key === "F10")) {
      const at = this.area.getBoundingClientRect();
      this.openAreaMenu(at.left + 8, at.top + 8);
    } else {
      return;
    }
    e.preventDefault();
  }

  // Selects whole lines from where a keyboard selection began to one line
  // further; the first step selects the top line (going down) or the last.
  private selectedFrom = -1;
  private selectedTo = -1;
  private extendSelection(step: number): void {
    const lines = this.area.children;
    const selection = document.getSelection();
    if (!lines.length || !selection) return;
    const ours = !selection.isCollapsed && this.area.contains(selection.anchorNode) && this.selectedFrom >= 0 &&
      this.selectedFrom < lines.length;
    if (!ours) this.selectedFrom = this.selectedTo = step > 0 ? 0 : lines.length - 1;
    else this.selectedTo = Math.max(0, Math.min(lines.length - 1, this.selectedTo + step));
    const range = document.createRange();
    range.setStartBefore(lines[Math.min(this.selectedFrom, this.selectedTo)]);
    range.setEndAfter(lines[Math.max(this.selectedFrom, this.selectedTo)]);
    selection.removeAllRanges();
    selection.addRange(range);
  }

  private openAreaMenu(x: number, y: number): void {
    const selection = document.getSelection();
    const selected = !!selection && !selection.isCollapsed && this.area.contains(selection.anchorNode);
    const t = this.owner.texts;
    this.owner.menu.open(x, y, [
      { label: t.copy, enabled: selected, action: () => void navigator.clipboard?.writeText(selection?.toString() ?? "") },
      {
        label: t.selectAll,
        enabled: this.area.childElementCount > 0,
        action: () => document.getSelection()?.selectAllChildren(this.area),
      },
      {
        label: t.copyAsTable,
        enabled: this.area.childElementCount > 0,
        action: () => void this.owner.copyAsTable(this.spec.form, this.selection()),
      },
      {
        label: t.undoClear,
        enabled: this.owner.session.canUndoClear(this.spec.form),
        action: () => this.owner.undoClear(this.spec.form),
      },
    ]);
  }

  private makeControl(c: ControlSpec): HTMLElement {
    const form = this.spec.form;
    if (c.kind === "text") {
      const input = document.createElement("input");
      input.type = "text";
      input.id = `${this.spec.name}-Text${c.number}`;
      input.autocomplete = "off";
      input.spellcheck = false;
      // An amount box brings up a keyboard of figures on a phone.
      if (!c.completes && !c.browses) input.inputMode = "decimal";
      const note = document.createElement("p");
      note.className = "note";
      note.id = `${input.id}-note`;
      note.hidden = true;
      this.notes.set(c.number, note);
      input.addEventListener("input", () => {
        this.owner.typed(form, c.number, input.value);
        this.markField(c.number);
      });
      this.inputs.set(c.number, input);
      if (c.tip) {
        input.title = c.tip;
        input.setAttribute("aria-description", c.tip);
      }
      // The number an empty field stands for, in grey; the box itself stays empty.
      if (c.placeholder) input.placeholder = c.placeholder;
      if (c.completes || c.browses) this.addKeyHelp(input, c);
      input.addEventListener("keydown", (e) => {
        if (e.key === "Enter" && !composing(e) && !e.defaultPrevented) {
          e.preventDefault();
          const ok = this.spec.controls.find((b) => b.kind === "button" && b.number === this.spec.enterPresses);
          if (ok) this.owner.click(form, ok);
        }
      });
      return input;
    }
    if (c.kind === "button") {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = c.caption;
      button.addEventListener("click", () => this.owner.click(form, c));
      return button;
    }
    const label = document.createElement("label");
    label.textContent = c.caption;
    if (c.opens) {
      label.classList.add("link");
      label.tabIndex = 0;
      label.setAttribute("role", "link");
      label.addEventListener("keydown", (e) => {
        if (e.key === "Enter" || e.key === " ") {
          e.preventDefault();
          this.owner.click(form, c);
        }
      });
    }
    label.addEventListener("click", (e) => {
      e.preventDefault();  // not a click on the box it names
      this.owner.click(form, c);
    });
    return label;
  }

  // The key box's help: keys offered as the user types, and every key by
  // subject with the Down arrow in the empty box or from its context menu.
  private addKeyHelp(input: HTMLInputElement, c: ControlSpec): void {
    const form = this.spec.form;
    const session = this.owner.session;
    input.setAttribute("role", "combobox");
    input.setAttribute("aria-autocomplete", "list");
    const pick = (key: string) => {
      completer.hide();
      subjects.hide();
      keys.hide();
      input.value = key;
      this.owner.typed(form, c.number, key);
      input.focus();
    };
    const completer = new ListPopup(input, this.owner.texts.completions, pick);
    const subjects = new ListPopup(input, this.owner.texts.browse, () => openKeys());
    const keys = new ListPopup(input, this.owner.texts.browse, pick);
    keys.element.classList.add("keys");
    this.client.append(completer.element, subjects.element, keys.element);
    const below = () => {
      const box = input.getBoundingClientRect();
      const client = this.client.getBoundingClientRect();
      return { left: box.left - client.left, top: box.bottom - client.top };
    };
    let tree: ReturnType<Session["subjects"]> | undefined;
    const openSubjects = () => {
      tree ??= session.subjects(form, c.number);
      completer.hide();
      subjects.show(tree.map((s) => s.name), below(), 0);
    };
    // A subject's items; an item of keys that do the same puts its first key in the box.
    const openKeys = () => {
      const at = subjects.element.querySelector<HTMLElement>("li.active");
      const subject = tree?.[Number(at?.dataset.index ?? -1)];
      if (!subject) return;
      const b = below();
      keys.show(subject.items.map((i) => i.label), { left: b.left + subjects.element.offsetWidth, top: b.top }, 0,
        subject.items.map((i) => i.key));
    };
    const update = () => {
      if (!c.completes) return;
      subjects.hide();
      keys.hide();
      completer.show(session.completions(form, c.number, input.value), below());
    };
    input.addEventListener("input", (e) => {
      if (!(e as InputEvent).isComposing) update();
    });
    input.addEventListener("compositionend", update);
    input.addEventListener("blur", () => {
      completer.hide();
      subjects.hide();
      keys.hide();
    });
    input.addEventListener("keydown", (e) => {
      if (composing(e)) return;
      const list = keys.open ? keys : subjects.open ? subjects : completer.open ? completer : undefined;
      if (!list) {
        const alone = !e.shiftKey && !e.ctrlKey && !e.altKey && !e.metaKey;
        if (e.key === "ArrowDown" && alone && session.downOpensBrowse(form, c.number, false)) {
          e.preventDefault();
          openSubjects();
        }
        return;
      }
      if (e.key === "ArrowDown" || e.key === "ArrowUp") list.move(e.key === "ArrowDown" ? 1 : -1);
      else if (e.key === "Escape") list.hide();
      else if (list === subjects && (e.key === "ArrowRight" || e.key === "Enter")) openKeys();
      else if (list === keys && e.key === "ArrowLeft") keys.hide();
      else if (e.key === "Enter" && list === completer && list.highlighted !== undefined) {
        pick(list.highlighted);
        return;  // and 确定 on it
      } else if (e.key === "Enter" && list.highlighted !== undefined) pick(list.highlighted);
      else if (e.key === "Enter") {
        list.hide();
        return;  // 确定, as without the list
      } else return;
      e.preventDefault();
    });
    // Every key by subject, also by touch: a button beside the box.
    if (c.browses) {
      const browse = document.createElement("button");
      browse.type = "button";
      browse.className = "browse";
      browse.textContent = "▾";
      browse.title = this.owner.texts.browse;
      browse.setAttribute("aria-label", this.owner.texts.browse);
      browse.setAttribute("aria-controls", subjects.element.id);
      browse.tabIndex = -1;  // by keyboard: the Down arrow in the empty box
      browse.addEventListener("mousedown", (e) => e.preventDefault());
      browse.addEventListener("click", () => {
        input.focus();
        if (subjects.open || keys.open) {
          subjects.hide();
          keys.hide();
        } else {
          openSubjects();
        }
      });
      this.browseButtons.set(c.number, browse);
    }
    input.addEventListener("contextmenu", (e) => {
      if (!c.browses) return;
      e.preventDefault();
      this.owner.menu.open(e.clientX, e.clientY, [
        { label: this.owner.texts.browse, enabled: true, action: () => { input.focus(); openSubjects(); } },
      ]);
    });
    subjects.element.addEventListener("mouseover", (e) => {
      const li = (e.target as HTMLElement).closest("li");
      if (!li) return;
      for (const x of subjects.element.children) x.classList.toggle("active", x === li);
      openKeys();
    });
  }
}
