// The page's bar above the windows: the menus of the work in the windows
// (文件, 编辑), the menu of the user's choices (选项), their shortcuts, and
// the place where a word about the kept work and choices is said.
import type { Session, UiTexts } from "./core.js";
import type { ContextMenu, MenuItem } from "./popup.js";

export interface PageBarOwner {
  readonly session: Session;
  readonly texts: UiTexts;
  readonly menu: ContextMenu;
  readonly amountsToFen: boolean;
  setAmountsToFen(on: boolean): void;
  showVouchers(form: number): void;
  clearAll(ask?: boolean): void;
  undoClear(form: number): unknown;
}

// A menu's label as the bar shows it: without the access key ("文件(&F)").
export function menuLabel(label: string): string {
  return label.replace(/\(&\w\)$/, "");
}

export interface KeyPress {
  key: string;
  ctrlKey: boolean;
  metaKey: boolean;
  shiftKey: boolean;
  altKey: boolean;
}

// Whether a key press is the shortcut ("Ctrl+Shift+R"); Ctrl is also the
// Command key, Alt never takes part.
export function isShortcut(shortcut: string, e: KeyPress): boolean {
  const key = shortcut.split("+").pop()!.toLowerCase();
  return shortcut.includes("Ctrl") === (e.ctrlKey || e.metaKey) && shortcut.includes("Shift") === e.shiftKey &&
    e.key.toLowerCase() === key && !e.altKey;
}

export class PageBar {
  private readonly notice: HTMLElement;
  private readonly options: HTMLButtonElement;

  constructor(private readonly owner: PageBarOwner, desktop: HTMLElement) {
    const t = owner.texts;
    const bar = document.createElement("nav");
    bar.className = "page-bar";
    bar.setAttribute("aria-label", t.optionsMenu);
    this.options = this.menuButton(t.optionsMenu, () => [{
      label: t.amountsToFen,
      enabled: true,
      checked: owner.amountsToFen,
      shortcut: t.amountsToFenShortcut,
      action: () => owner.setAmountsToFen(!owner.amountsToFen),
    }]);
    document.addEventListener("keydown", (e) => {
      if (!isShortcut(t.amountsToFenShortcut, e)) return;
      e.preventDefault();
      owner.setAmountsToFen(!owner.amountsToFen);
    });
    this.notice = document.createElement("p");
    this.notice.className = "notice";
    this.notice.setAttribute("role", "alert");
    this.notice.hidden = true;
    bar.append(this.options, this.notice);
    desktop.before(bar);
    this.addWorkMenus();
  }

  // Says a word about the kept work or choices, after any said before.
  say(text: string): void {
    const said = this.notice.hidden ? "" : `${this.notice.textContent} `;
    this.notice.textContent = `${said}${text}`;
    this.notice.hidden = false;
  }

  private menuButton(label: string, items: () => MenuItem[]): HTMLButtonElement {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "options";
    button.textContent = menuLabel(label);
    button.setAttribute("aria-haspopup", "menu");
    button.addEventListener("click", () => {
      const r = button.getBoundingClientRect();
      this.owner.menu.open(r.left, r.bottom, items());
    });
    return button;
  }

  // The menus of the work in the windows, before 选项. 文件: 生成凭证
  // (Ctrl+G, on the front window), 新建（清除全部）; 编辑: 撤销清除 (also
  // Ctrl+Z in a print area).
  private addWorkMenus(): void {
    const { owner } = this;
    const t = owner.texts;
    const front = () => owner.session.visible()[0] ?? 0;
    this.options.before(
      this.menuButton(t.fileMenu, () => [
        { label: t.makeVouchers, enabled: front() > 1, shortcut: "Ctrl+G", action: () => owner.showVouchers(front()) },
        { label: t.clearAll, enabled: !owner.session.ended(), action: () => owner.clearAll(true) },
      ]),
      this.menuButton(t.editMenu, () => [
        { label: t.undoClear, enabled: owner.session.canUndoClear(front()), shortcut: "Ctrl+Z", action: () => owner.undoClear(front()) },
      ]),
    );
    document.addEventListener("keydown", (e) => {
      if (!isShortcut("Ctrl+G", e)) return;
      e.preventDefault();
      if (front() > 1) owner.showVouchers(front());
    });
  }
}
