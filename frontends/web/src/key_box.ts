// The key box's help (the box of a window that offers keys): the keys that
// complete what is typed, every key by subject (the Down arrow in the empty
// box, the ▾ button beside it, its context menu), and the hint under it
// whose offered keys go into the box.
import type { ControlSpec, Session } from "./core.js";
import type { FormOwner } from "./form_view.js";
import { ListPopup } from "./popup.js";

// A key that an input method is still composing with (some browsers say so
// only by the key code 229).
export function composing(e: KeyboardEvent): boolean {
  return e.isComposing || e.keyCode === 229;
}

// What a key does in the key box while one of its lists is open (the
// completions, the subjects, or a subject's keys): the arrows move the
// highlight; Escape closes the list; Right or Enter on a subject opens its
// keys, Left goes back from them; Enter puts the highlighted key in the box
// ("pickAndPress" in the completions: and presses 确定 too), or with none
// highlighted closes the list and presses 确定 ("close"). Anything else is
// the box's own ("none"). Only "pickAndPress", "close" and "none" let the
// key go on to the box.
export type ListKind = "completions" | "subjects" | "keys";
export type ListKey = "down" | "up" | "hide" | "openKeys" | "pick" | "pickAndPress" | "close" | "none";
export function listKey(key: string, list: ListKind, highlighted: boolean): ListKey {
  if (key === "ArrowDown") return "down";
  if (key === "ArrowUp") return "up";
  if (key === "Escape") return "hide";
  if (list === "subjects" && (key === "ArrowRight" || key === "Enter")) return "openKeys";
  if (list === "keys" && key === "ArrowLeft") return "hide";
  if (key !== "Enter") return "none";
  if (!highlighted) return "close";
  return list === "completions" ? "pickAndPress" : "pick";
}

export class KeyBox {
  // Every key by subject, also by touch: the button beside the box.
  readonly browse?: HTMLButtonElement;
  private readonly completions: ListPopup;
  private readonly subjects: ListPopup;
  private readonly keys: ListPopup;
  private tree?: ReturnType<Session["subjects"]>;

  // The lists stand in `client`, the window's client area.
  constructor(private readonly input: HTMLInputElement, private readonly c: ControlSpec, private readonly form: number,
    private readonly owner: FormOwner, private readonly client: HTMLElement) {
    input.setAttribute("role", "combobox");
    input.setAttribute("aria-autocomplete", "list");
    const pick = (key: string) => this.pick(key);
    this.completions = new ListPopup(input, owner.texts.completions, pick);
    this.subjects = new ListPopup(input, owner.texts.browse, () => this.openKeys());
    this.keys = new ListPopup(input, owner.texts.browse, pick);
    this.keys.element.classList.add("keys");
    client.append(this.completions.element, this.subjects.element, this.keys.element);
    input.addEventListener("input", (e) => {
      if (!(e as InputEvent).isComposing) this.complete();
    });
    input.addEventListener("compositionend", () => this.complete());
    input.addEventListener("blur", () => this.hideAll());
    input.addEventListener("keydown", (e) => this.key(e));
    if (c.browses) this.browse = this.browseButton();
    input.addEventListener("contextmenu", (e) => {
      if (!c.browses) return;
      e.preventDefault();
      owner.menu.open(e.clientX, e.clientY, [
        { label: owner.texts.browse, enabled: true, action: () => { input.focus(); this.openSubjects(); } },
      ]);
    });
    this.subjects.element.addEventListener("mouseover", (e) => {
      const li = (e.target as HTMLElement).closest("li");
      if (!li) return;
      for (const x of this.subjects.element.children) x.classList.toggle("active", x === li);
      this.openKeys();
    });
  }

  private hideAll(): void {
    this.completions.hide();
    this.subjects.hide();
    this.keys.hide();
  }

  private pick(key: string): void {
    this.hideAll();
    this.input.value = key;
    this.owner.typed(this.form, this.c.number, key);
    this.input.focus();
  }

  // Where a list stands: under the box, in the client area.
  private below(): { left: number; top: number } {
    const box = this.input.getBoundingClientRect();
    const client = this.client.getBoundingClientRect();
    return { left: box.left - client.left, top: box.bottom - client.top };
  }

  private openSubjects(): void {
    this.tree ??= this.owner.session.subjects(this.form, this.c.number);
    this.completions.hide();
    this.subjects.show(this.tree.map((s) => s.name), this.below(), 0);
  }

  // A subject's items; an item of keys that do the same puts its first key in the box.
  private openKeys(): void {
    const at = this.subjects.element.querySelector<HTMLElement>("li.active");
    const subject = this.tree?.[Number(at?.dataset.index ?? -1)];
    if (!subject) return;
    const b = this.below();
    this.keys.show(subject.items.map((i) => i.shown), { left: b.left + this.subjects.element.offsetWidth, top: b.top }, 0,
      subject.items.map((i) => i.key));
  }

  // The keys that complete what the box holds.
  private complete(): void {
    if (!this.c.completes) return;
    this.subjects.hide();
    this.keys.hide();
    const keys = this.owner.session.completions(this.form, this.c.number, this.input.value);
    this.completions.show(keys.map((k) => this.owner.session.shownKey(k)), this.below(), -1, keys);
  }

  private key(e: KeyboardEvent): void {
    if (composing(e)) return;
    const { keys, subjects, completions } = this;
    const list = keys.open ? keys : subjects.open ? subjects : completions.open ? completions : undefined;
    if (!list) {
      const alone = !e.shiftKey && !e.ctrlKey && !e.altKey && !e.metaKey;
      if (e.key === "ArrowDown" && alone && this.owner.session.downOpensBrowse(this.form, this.c.number, false)) {
        e.preventDefault();
        this.openSubjects();
      }
      return;
    }
    const kind = list === keys ? "keys" : list === subjects ? "subjects" : "completions";
    const step = listKey(e.key, kind, list.highlighted !== undefined);
    if (step === "down" || step === "up") list.move(step === "down" ? 1 : -1);
    else if (step === "hide" || step === "close") list.hide();
    else if (step === "openKeys") this.openKeys();
    else if ((step === "pick" || step === "pickAndPress") && list.highlighted !== undefined) this.pick(list.highlighted);
    if (step !== "pickAndPress" && step !== "close" && step !== "none") e.preventDefault();
  }

  private browseButton(): HTMLButtonElement {
    const browse = document.createElement("button");
    browse.type = "button";
    browse.className = "browse";
    browse.textContent = "▾";
    browse.title = this.owner.texts.browse;
    browse.setAttribute("aria-label", this.owner.texts.browse);
    browse.setAttribute("aria-controls", this.subjects.element.id);
    browse.tabIndex = -1;  // by keyboard: the Down arrow in the empty box
    browse.addEventListener("mousedown", (e) => e.preventDefault());
    browse.addEventListener("click", () => {
      this.input.focus();
      if (this.subjects.open || this.keys.open) {
        this.subjects.hide();
        this.keys.hide();
      } else {
        this.openSubjects();
      }
    });
    return browse;
  }
}

// The hint under the key box: the core's message, then each offered key as
// a link that puts the key into the box.
export class Hint {
  readonly element: HTMLElement;

  // `box`: the key box, where an offered key goes.
  constructor(private readonly owner: FormOwner, private readonly form: number,
    private readonly box: { spec: ControlSpec; input: HTMLInputElement } | undefined) {
    this.element = document.createElement("div");
    this.element.className = "hint";
    this.element.setAttribute("role", "alert");
    this.element.hidden = true;
  }

  // An empty message takes the hint away.
  show(message: string, keys: string[], shown: string[] = keys): void {
    const hint = this.element;
    const hadFocus = hint.contains(document.activeElement);
    if (!message) {
      hint.hidden = true;
      hint.replaceChildren();
      if (hadFocus) this.box?.input.focus();
      return;
    }
    const text = document.createElement("p");
    text.textContent = message;
    const links = keys.map((key, index) => {
      const link = document.createElement("button");
      link.type = "button";
      link.className = "link";
      link.setAttribute("role", "link");
      link.textContent = shown[index] ?? key;
      link.setAttribute("aria-description", this.owner.texts.hintKeyAction);
      link.addEventListener("click", () => this.choose(key));
      return link;
    });
    // Shown before it is filled, so that a screen reader reads it out.
    hint.hidden = false;
    hint.replaceChildren(text, ...links);
  }

  private choose(key: string): void {
    if (!this.box) return;
    this.box.input.value = key;
    this.box.input.focus();
    this.owner.typed(this.form, this.box.spec.number, key);
  }
}
