// The page: loads the core, passes the user's actions in and draws the
// events each action returns, one window of the page for each of the
// program's windows.
import { ActionResult, Capital, ControlSpec, Core, CoreEvent, LineSelection, Session, UiTexts } from "./core.js";
import { FormOwner, FormView } from "./form_view.js";
import { ContextMenu, MenuItem } from "./popup.js";
import { VoucherView } from "./voucher_view.js";

export class App implements FormOwner {
  session: Session;
  readonly texts: UiTexts;
  readonly menu: ContextMenu;
  readonly views = new Map<number, FormView>();
  private readonly taps: ((e: CoreEvent) => void)[] = [];
  private readonly faults: { form: number; text: string }[] = [];
  private readonly dialog: HTMLDialogElement;
  private shownLast = 0;
  private amountsToFen = true;
  private readonly notice: HTMLElement;
  private readonly vouchers: VoucherView;
  private saving = 0;  // the timer of the next save, 0 for none

  constructor(private readonly core: Core, private readonly desktop: HTMLElement) {
    this.session = new core.Session();
    this.texts = core.uiTexts();
    this.menu = new ContextMenu(document.body);
    this.dialog = this.makeFaultDialog();
    document.title = this.texts.programName;
    this.notice = this.makeOptionsBar();
    this.amountsToFen = this.readAmountsChoice();
    this.vouchers = new VoucherView(this.texts);
    this.addWorkMenus();
    // The work is saved within a second of a change, and when the page goes.
    addEventListener("pagehide", () => this.save());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.save();
    });
  }

  // Starts the program with the work the browser kept from the last visit;
  // `fresh`: with empty windows.
  start(fresh = false): void {
    this.session.setAmountsToFen(this.amountsToFen);
    if (!fresh) this.restoreWork();
    this.apply(this.session.start());
  }

  // Where the browser keeps the windows' work.
  static readonly storageKey = "bookkeeper.session";

  // A kept text that cannot be read (damaged, from a later version) is moved
  // to a key of its own, never written over, and the user told once.
  private restoreWork(): void {
    let kept: string | null;
    try {
      kept = localStorage.getItem(App.storageKey);
    } catch {
      return;  // storage switched off: nothing kept
    }
    if (kept === null || this.session.restoreWork(kept)) return;
    let aside = `${App.storageKey}.unreadable`;
    try {
      for (let n = 2; localStorage.getItem(aside) !== null; ++n) aside = `${App.storageKey}.unreadable-${n}`;
      localStorage.setItem(aside, kept);
      localStorage.removeItem(App.storageKey);
    } catch {
      return;
    }
    const said = this.notice.hidden ? "" : `${this.notice.textContent} `;
    this.notice.textContent = `${said}${this.texts.sessionUnreadable}${aside}。${this.texts.sessionFreshStart}`;
    this.notice.hidden = false;
  }

  // Saves the windows' work now.
  save(): void {
    clearTimeout(this.saving);
    this.saving = 0;
    try {
      localStorage.setItem(App.storageKey, this.session.work());
    } catch {
      // Storage switched off or full: the work holds for this visit.
    }
  }
  private saveSoon(): void {
    if (!this.saving) this.saving = setTimeout(() => this.save(), 1000);
  }

  // 金额大写 of an amount as a field takes it.
  capital(amount: string): Capital {
    return this.core.capital(amount);
  }

  // 撤销清除 on a window; 新建（清除全部）, asked first when `ask`.
  undoClear(form: number): ActionResult {
    return this.apply(this.session.undoClear(form));
  }
  clearAll(ask = false): void {
    if (ask && !confirm(this.texts.clearAllQuestion)) return;
    this.vouchers.close();
    this.apply(this.session.clearAll());
    // The page keeps the drawings of hidden windows: they show the empty
    // windows too.
    for (const view of this.views.values()) view.redraw();
  }
  // 生成凭证: the entries of the window's last press as vouchers.
  showVouchers(form: number): void {
    this.vouchers.open(form, this.session);
  }

  // The menus of the work in the windows, before 选项 in the page's bar.
  // 文件: 生成凭证 (Ctrl+G, on the front window), 新建（清除全部）; 编辑:
  // 撤销清除 (also Ctrl+Z in a print area).
  private addWorkMenus(): void {
    const options = this.notice.parentElement!.querySelector("button.options")!;
    const front = () => this.session.visible()[0] ?? 0;
    const menu = (label: string, items: () => MenuItem[]) => {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "options";
      button.textContent = label.replace(/\(&\w\)$/, "");
      button.setAttribute("aria-haspopup", "menu");
      button.addEventListener("click", () => {
        const r = button.getBoundingClientRect();
        this.menu.open(r.left, r.bottom, items());
      });
      options.before(button);
    };
    menu(this.texts.fileMenu, () => [
      { label: this.texts.makeVouchers, enabled: front() > 1, shortcut: "Ctrl+G", action: () => this.showVouchers(front()) },
      { label: this.texts.clearAll, enabled: !this.session.ended(), action: () => this.clearAll(true) },
    ]);
    menu(this.texts.editMenu, () => [
      {
        label: this.texts.undoClear,
        enabled: this.session.canUndoClear(front()),
        shortcut: "Ctrl+Z",
        action: () => this.undoClear(front()),
      },
    ]);
    document.addEventListener("keydown", (e) => {
      if (!(e.ctrlKey || e.metaKey) || e.shiftKey || e.altKey || e.key.toLowerCase() !== "g") return;
      e.preventDefault();
      if (front() > 1) this.showVouchers(front());
    });
  }

  // 金额四舍五入到分, on by default: kept in the browser's storage for the
  // next visit; it governs the next press of 确定.
  setAmountsToFen(on: boolean): void {
    this.amountsToFen = on;
    this.session.setAmountsToFen(on);
    try {
      localStorage.setItem(App.amountsKey, on ? "fen" : "exact");
    } catch {
      // Storage switched off: the choice holds for this visit.
    }
  }

  private static readonly amountsKey = "bookkeeper.amounts";

  // The stored choice; a value this page cannot read is moved aside, not
  // written over, and the user told once.
  private readAmountsChoice(): boolean {
    try {
      const stored = localStorage.getItem(App.amountsKey);
      if (stored === null || stored === "fen" || stored === "exact") return stored !== "exact";
      const aside = `${App.amountsKey}.unreadable`;
      localStorage.setItem(aside, stored);
      localStorage.removeItem(App.amountsKey);
      this.notice.textContent = `${this.texts.settingsSetAside}${aside}。${this.texts.settingsDefaults}`;
      this.notice.hidden = false;
    } catch {
      // No storage: the default.
    }
    return true;
  }

  // The page's menu of the user's choices, above the windows, with the
  // place where a word about those choices is said.
  private makeOptionsBar(): HTMLElement {
    const bar = document.createElement("nav");
    bar.className = "page-bar";
    bar.setAttribute("aria-label", this.texts.optionsMenu);
    const button = document.createElement("button");
    button.type = "button";
    button.className = "options";
    button.textContent = this.texts.optionsMenu;
    button.setAttribute("aria-haspopup", "menu");
    const toggle = () => this.setAmountsToFen(!this.amountsToFen);
    button.addEventListener("click", () => {
      const r = button.getBoundingClientRect();
      this.menu.open(r.left, r.bottom, [
        {
          label: this.texts.amountsToFen,
          enabled: true,
          checked: this.amountsToFen,
          shortcut: this.texts.amountsToFenShortcut,
          action: toggle,
        },
      ]);
    });
    const [ctrl, shift, key] = ["Ctrl", "Shift", this.texts.amountsToFenShortcut.split("+").pop()!.toLowerCase()];
    document.addEventListener("keydown", (e) => {
      const wanted = this.texts.amountsToFenShortcut.includes(ctrl) === (e.ctrlKey || e.metaKey) &&
        this.texts.amountsToFenShortcut.includes(shift) === e.shiftKey && e.key.toLowerCase() === key;
      if (!wanted || e.altKey) return;
      e.preventDefault();
      toggle();
    });
    const notice = document.createElement("p");
    notice.className = "notice";
    notice.setAttribute("role", "alert");
    notice.hidden = true;
    bar.append(button, notice);
    this.desktop.before(bar);
    return notice;
  }

  // A new run of the program on the same page, as after starting it again.
  // `fresh`: with empty windows rather than the work kept.
  restart(fresh = false): void {
    for (const view of this.views.values()) view.root.remove();
    this.views.clear();
    this.faults.length = 0;
    if (this.dialog.open) this.dialog.close();
    this.desktop.querySelector(".ended")?.remove();
    this.vouchers.close();
    this.save();
    this.session.delete();
    this.session = new this.core.Session();
    this.start(fresh);
  }

  // Every event of the core, as it is drawn (for the page's own checks).
  tap(listener: (e: CoreEvent) => void): void {
    this.taps.push(listener);
  }

  click(form: number, control: ControlSpec): ActionResult {
    return this.apply(this.session.click(form, control.kind, control.number));
  }
  typed(form: number, number: number, text: string): ActionResult {
    return this.apply(this.session.setText(form, number, text));
  }
  closeBox(form: number): ActionResult {
    return this.apply(this.session.close(form));
  }
  activate(form: number): void {
    const visible = this.session.visible();
    if (this.session.ended() || visible[0] === form || !visible.includes(form)) return;
    this.session.activated(form);
    this.restack();
  }

  async copyAsTable(form: number, selection: LineSelection | null): Promise<void> {
    const { rows, tsv, html } = this.session.table(form, selection);
    if (!rows.length) return;
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

  apply(result: ActionResult): ActionResult {
    for (const e of result.events) {
      this.draw(e);
      for (const t of this.taps) t(e);
    }
    if (result.events.length) this.restack();
    this.nextFault();
    this.saveSoon();
    return result;
  }

  private draw(e: CoreEvent): void {
    switch (e.kind) {
      case "create": {
        const spec = this.core.windowSpec(e.form);
        if (!spec) break;  // never: the core creates only windows it has
        const view = new FormView(spec, this, this.placement(e.form));
        this.views.set(e.form, view);
        this.desktop.append(view.root);
        break;
      }
      case "show": {
        const view = this.views.get(e.form);
        if (!view) break;
        if (view.root.hidden) {
          view.root.hidden = false;
          view.redraw();
        }
        this.shownLast = e.form;
        break;
      }
      case "hide": {
        const view = this.views.get(e.form);
        if (view) view.root.hidden = true;
        break;
      }
      case "print":
        this.views.get(e.form)?.printLine(e.row, e.text);
        break;
      case "clear":
        this.views.get(e.form)?.clearOutput();
        break;
      case "hint":
        this.views.get(e.form)?.showHint(e.text, e.keys);
        break;
      case "fault":
        this.faults.push({ form: e.form, text: e.text });
        break;
      case "quit":
        this.ended();
        break;
    }
  }

  // The front window on top, the others below it in the core's order; the
  // window shown last takes the focus.
  private restack(): void {
    const visible = this.session.visible();
    visible.forEach((form, i) => {
      const view = this.views.get(form);
      if (!view) return;
      view.root.style.zIndex = String(visible.length - i);
      view.root.classList.toggle("front", i === 0);
    });
    const front = this.views.get(visible[0]);
    if (front) document.title = front.spec.title;
    if (front && this.shownLast === visible[0] && !front.root.contains(document.activeElement)) front.focusFirst();
    this.shownLast = 0;
  }

  // Windows open where a window system would put them: each a step to the
  // right of and below the one before.
  private placement(form: number): { left: number; top: number } {
    const step = (form - 1) % 10;
    return { left: 8 + step * 24, top: 8 + step * 24 };
  }

  private makeFaultDialog(): HTMLDialogElement {
    const dialog = document.createElement("dialog");
    dialog.className = "fault";
    dialog.setAttribute("aria-labelledby", "fault-title");
    dialog.setAttribute("aria-describedby", "fault-text");
    const title = document.createElement("h2");
    title.id = "fault-title";
    title.textContent = this.texts.faultTitle;
    const text = document.createElement("p");
    text.id = "fault-text";
    const form = document.createElement("form");
    form.method = "dialog";
    const ok = document.createElement("button");
    ok.textContent = this.texts.ok;
    form.append(ok);
    dialog.append(title, text, form);
    // The dialog gives the focus back where it was; only when that is not in
    // the front window does the window's first field take it. The close
    // event may come after the user has moved on (Tab), which must stand.
    dialog.addEventListener("close", () => {
      const front = this.views.get(this.session.visible()[0]);
      if (front && !front.root.contains(document.activeElement)) front.focusFirst();
      this.nextFault();
    });
    document.body.append(dialog);
    return dialog;
  }

  // A fault is shown in a modal dialog; the program has carried on, and the
  // user goes on after closing it.
  private nextFault(): void {
    if (this.dialog.open) return;
    const fault = this.faults.shift();
    if (!fault) return;
    this.dialog.querySelector("#fault-text")!.textContent = fault.text;
    this.dialog.showModal();
  }

  private ended(): void {
    for (const view of this.views.values()) view.root.hidden = true;
    const end = document.createElement("div");
    end.className = "ended";
    const text = document.createElement("p");
    text.textContent = this.texts.ended;
    const again = document.createElement("button");
    again.type = "button";
    again.textContent = this.texts.restart;
    again.addEventListener("click", () => this.restart());
    end.append(text, again);
    this.desktop.append(end);
    again.focus();
  }
}

declare global {
  interface Window {
    bookkeeper?: App;
  }
}

async function main(): Promise<void> {
  const desktop = document.getElementById("desktop")!;
  const core = await createBookkeeper({ onAbort: (what) => console.error("bookkeeper stopped:", what) });
  const app = new App(core, desktop);
  window.bookkeeper = app;
  app.start();
  performance.mark("ready");
  document.documentElement.dataset.ready = "true";
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch((e) => console.warn("offline copy unavailable:", e));
}

void main();
