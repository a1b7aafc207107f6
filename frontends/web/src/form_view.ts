// One window of the program on the page: a title bar with the close box,
// and the client area laid out from the core's description of the window:
// its fields group by group (form_layout.ts), the buttons, the hint under a
// key box (key_box.ts) and the print area (print_area.ts). The layout flows
// with the width (style.css): one column of groups on a narrow screen,
// groups side by side where there is room, the printed lines beside or
// below. The elements stand in reading order, which is also the tab order.
// It reports the user's actions to its owner and draws what it is told; it
// decides nothing.
import { ControlSpec, LineSelection, Session, UiTexts, WindowSpec } from "./core.js";
import { layOutGroups, makeButton, makeLabel } from "./form_layout.js";
import { Hint, KeyBox, composing } from "./key_box.js";
import { ContextMenu } from "./popup.js";
import { PrintArea } from "./print_area.js";

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

// A window shown within this long after an Enter that acted was opened by
// it, and takes no Enter for the next while: the Enter that opened it acts
// once (milliseconds).
const openedByEnter = 200;
const deafToEnter = 500;
function freshUntil(now: number, enterAt: number): number {
  return now - enterAt < openedByEnter ? now + deafToEnter : 0;
}

// When the last Enter that acted was pressed.
let enterAt = -Infinity;

export class FormView {
  readonly root: HTMLElement;
  readonly inputs = new Map<number, HTMLInputElement>();
  private readonly area: PrintArea;
  private readonly client: HTMLElement;
  private readonly controls = new Map<string, HTMLElement>();
  private readonly notes = new Map<number, HTMLElement>();
  private readonly browseButtons = new Map<number, HTMLButtonElement>();
  private readonly hint?: Hint;
  private readonly heading: HTMLElement;
  // A window that appeared on an Enter takes no Enter until then, unless
  // the user works in it first.
  private freshUntil = 0;

  constructor(readonly spec: WindowSpec, private readonly owner: FormOwner) {
    const form = spec.form;
    this.root = document.createElement("section");
    this.root.className = "window";
    this.root.id = spec.name;
    this.root.hidden = true;
    this.root.setAttribute("aria-label", spec.title);
    this.heading = document.createElement("h2");
    const bar = this.titleBar();
    this.guardEnter();

    this.client = document.createElement("div");
    this.client.className = "client";
    this.area = new PrintArea(form, owner, this.root);
    for (const c of spec.controls) {
      const el = this.makeControl(c);
      el.classList.add("control");
      el.dataset.name = c.name;
      this.controls.set(c.name, el);
    }
    const fields = layOutGroups(spec, { controls: this.controls, browseButtons: this.browseButtons, notes: this.notes });
    const buttons = document.createElement("div");
    buttons.className = "buttons";
    for (const c of spec.controls) if (c.kind === "button") buttons.append(this.controls.get(c.name)!);
    this.client.append(fields, buttons);
    // The hint under the key box, then the printed lines: the last stops
    // of the tab order.
    if (spec.hintArea) {
      this.hint = new Hint(owner, form, this.keyBox());
      this.client.append(this.hint.element);
    }
    this.client.append(this.area.element);
    this.nameBoxes();

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

  // The title and the close box.
  private titleBar(): HTMLElement {
    const bar = document.createElement("header");
    bar.className = "titlebar";
    this.heading.textContent = this.spec.title;
    const close = document.createElement("button");
    close.type = "button";
    close.className = "close-box";
    close.textContent = "×";
    close.setAttribute("aria-label", this.owner.texts.close);
    close.title = this.owner.texts.close;
    close.tabIndex = -1;
    // One press closes the window once: a second click of a double click
    // lands on what lay under the box, never on the box again.
    close.addEventListener("click", (e) => {
      if (e.detail > 1 || this.root.hidden) return;
      this.owner.closeBox(this.spec.form);
    });
    bar.append(this.heading, close);
    return bar;
  }

  // A repeated Enter (the key held down), or a quick second one in the
  // window the first opened, presses nothing.
  private guardEnter(): void {
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
  }

  // A caption names the box beside it, also for a screen reader, and
  // explains it as the box does.
  private nameBoxes(): void {
    for (const c of this.spec.controls) {
      const input = c.kind === "label" && c.buddy ? this.inputs.get(c.buddy) : undefined;
      const label = this.controls.get(c.name);
      if (input && label instanceof HTMLLabelElement) {
        label.htmlFor = input.id;
        const tip = this.spec.controls.find((t) => t.kind === "text" && t.number === c.buddy)?.tip;
        if (tip) label.title = tip;
      }
    }
  }

  control(name: string): HTMLElement | undefined {
    return this.controls.get(name);
  }

  // The window was shown (or brought to the front).
  shown(): void {
    this.freshUntil = freshUntil(performance.now(), enterAt);
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
  showHint(message: string, keys: string[], shown: string[] = keys): void {
    this.hint?.show(message, keys, shown);
  }

  // The box a key goes into: the one that offers keys.
  private keyBox(): { spec: ControlSpec; input: HTMLInputElement } | undefined {
    const spec = this.spec.controls.find((c) => c.kind === "text" && (c.completes || c.browses));
    const input = spec && this.inputs.get(spec.number);
    return spec && input ? { spec, input } : undefined;
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
    if (!this.area.print(row, text)) this.redraw();
  }

  clearOutput(): void {
    this.area.clear();
  }

  // Draws the lines and texts the program holds for this window again.
  redraw(): void {
    this.area.show(this.owner.session.lines(this.spec.form));
    for (const [number, text] of Object.entries(this.owner.session.texts(this.spec.form))) {
      const input = this.inputs.get(Number(number));
      if (input && input.value !== text) input.value = text;
      this.markField(Number(number));
    }
  }

  private makeControl(c: ControlSpec): HTMLElement {
    const press = () => this.owner.click(this.spec.form, c);
    return c.kind === "text" ? this.makeTextBox(c) : c.kind === "button" ? makeButton(c, press) : makeLabel(c, press);
  }

  // A text box with the note under it; Enter in it presses the window's
  // button for Enter.
  private makeTextBox(c: ControlSpec): HTMLInputElement {
    const form = this.spec.form;
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
    if (c.completes || c.browses) {
      const browse = new KeyBox(input, c, form, this.owner, this.client).browse;
      if (browse) this.browseButtons.set(c.number, browse);
    }
    input.addEventListener("keydown", (e) => {
      if (e.key === "Enter" && !composing(e) && !e.defaultPrevented) {
        e.preventDefault();
        const ok = this.spec.controls.find((b) => b.kind === "button" && b.number === this.spec.enterPresses);
        if (ok) this.owner.click(form, ok);
      }
    });
    return input;
  }
}
