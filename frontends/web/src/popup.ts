// Small popups of the page: a list under a text box (the completer and the
// subject menu) and a context menu. They hold no program texts of their own.

let nextId = 0;

// A list of choices shown under a text box. The focus stays in the box; the
// box's keys move the highlighted item (aria-activedescendant).
export class ListPopup {
  readonly element: HTMLUListElement;
  private items: string[] = [];
  private values: string[] = [];
  private active = -1;

  constructor(private readonly anchor: HTMLElement, label: string, private readonly onPick: (item: string) => void) {
    this.element = document.createElement("ul");
    this.element.className = "popup-list";
    this.element.id = `popup${++nextId}`;
    this.element.setAttribute("role", "listbox");
    this.element.setAttribute("aria-label", label);
    this.element.hidden = true;
    // A press on an item must not take the focus from the box.
    this.element.addEventListener("mousedown", (e) => e.preventDefault());
    this.element.addEventListener("click", (e) => {
      const li = (e.target as HTMLElement).closest("li");
      if (li) this.onPick(this.values[Number(li.dataset.index)]);
    });
  }

  get open(): boolean {
    return !this.element.hidden;
  }
  // What the highlighted item stands for.
  get highlighted(): string | undefined {
    return this.active >= 0 ? this.values[this.active] : undefined;
  }

  // Shows the items; picking one hands its value (by default the item
  // itself) to the owner.
  show(items: string[], at: { left: number; top: number }, highlight = -1, values: string[] = items): void {
    this.items = items;
    this.values = values;
    this.element.replaceChildren(
      ...items.map((text, index) => {
        const li = document.createElement("li");
        li.id = `${this.element.id}-${index}`;
        li.setAttribute("role", "option");
        li.dataset.index = String(index);
        li.textContent = text;
        return li;
      }),
    );
    this.element.style.left = `${at.left}px`;
    this.element.style.top = `${at.top}px`;
    this.element.hidden = items.length === 0;
    this.anchor.setAttribute("aria-expanded", String(!this.element.hidden));
    this.anchor.setAttribute("aria-controls", this.element.id);
    this.highlight(highlight);
  }

  hide(): void {
    this.element.hidden = true;
    this.anchor.setAttribute("aria-expanded", "false");
    this.anchor.removeAttribute("aria-activedescendant");
    this.active = -1;
  }

  move(step: number): void {
    if (!this.items.length) return;
    const next = this.active < 0 ? (step > 0 ? 0 : this.items.length - 1) : this.active + step;
    this.highlight(Math.max(0, Math.min(this.items.length - 1, next)));
  }

  private highlight(index: number): void {
    this.active = index;
    for (const li of this.element.children) li.classList.toggle("active", Number((li as HTMLElement).dataset.index) === index);
    if (index >= 0) {
      const li = this.element.children[index] as HTMLElement;
      this.anchor.setAttribute("aria-activedescendant", li.id);
      li.scrollIntoView({ block: "nearest" });
    } else {
      this.anchor.removeAttribute("aria-activedescendant");
    }
  }
}

export interface MenuItem {
  label: string;
  enabled: boolean;
  action: () => void;
  checked?: boolean;   // an item that is on or off: shown with a tick when on
  shortcut?: string;   // its key, shown at the right
}

// A context menu at a point of the page; Escape, a click elsewhere or a
// choice closes it.
export class ContextMenu {
  private readonly element: HTMLDivElement;
  private restoreFocus: HTMLElement | null = null;

  constructor(host: HTMLElement) {
    this.element = document.createElement("div");
    this.element.className = "context-menu";
    this.element.setAttribute("role", "menu");
    this.element.hidden = true;
    host.append(this.element);
    document.addEventListener("pointerdown", (e) => {
      if (!this.element.hidden && !this.element.contains(e.target as Node)) this.close();
    });
    this.element.addEventListener("keydown", (e) => {
      const buttons = [...this.element.querySelectorAll<HTMLButtonElement>("button:not(:disabled)")];
      const at = buttons.indexOf(document.activeElement as HTMLButtonElement);
      if (e.key === "Escape") this.close();
      else if (e.key === "ArrowDown") buttons[(at + 1) % buttons.length]?.focus();
      else if (e.key === "ArrowUp") buttons[(at - 1 + buttons.length) % buttons.length]?.focus();
      else return;
      e.preventDefault();
    });
  }

  open(x: number, y: number, items: MenuItem[]): void {
    this.restoreFocus = document.activeElement as HTMLElement | null;
    this.element.replaceChildren(
      ...items.map((item) => {
        const b = document.createElement("button");
        b.type = "button";
        b.setAttribute("role", item.checked === undefined ? "menuitem" : "menuitemcheckbox");
        if (item.checked !== undefined) b.setAttribute("aria-checked", String(item.checked));
        b.textContent = `${item.checked === undefined ? "" : item.checked ? "✓ " : "\u2003"}${item.label}`;
        if (item.shortcut) {
          const key = document.createElement("span");
          key.className = "shortcut";
          key.textContent = item.shortcut;
          b.setAttribute("aria-keyshortcuts", item.shortcut.replace(/\+/g, "+"));
          b.append(key);
        }
        b.disabled = !item.enabled;
        // Keep a selection in the print area while the menu is used.
        b.addEventListener("mousedown", (e) => e.preventDefault());
        b.addEventListener("click", () => {
          this.close();
          item.action();
        });
        return b;
      }),
    );
    this.element.hidden = false;
    const w = this.element.offsetWidth;
    const h = this.element.offsetHeight;
    this.element.style.left = `${Math.max(0, Math.min(x, window.innerWidth - w))}px`;
    this.element.style.top = `${Math.max(0, Math.min(y, window.innerHeight - h))}px`;
    this.element.querySelector<HTMLButtonElement>("button:not(:disabled)")?.focus({ preventScroll: true });
  }

  close(): void {
    if (this.element.hidden) return;
    this.element.hidden = true;
    this.restoreFocus?.focus({ preventScroll: true });
    this.restoreFocus = null;
  }
}

// Puts a table on the clipboard as tab-separated text and as an HTML table,
// or as the text alone where the browser takes no more.
export async function copyTable(tsv: string, html: string): Promise<void> {
  try {
    await navigator.clipboard.write([
      new ClipboardItem({
        "text/plain": new Blob([tsv], { type: "text/plain" }),
        "text/html": new Blob([html], { type: "text/html" }),
      }),
    ]);
  } catch {
    await navigator.clipboard?.writeText(tsv).catch(() => undefined);
  }
}
