// The page: loads the core, passes the user's actions in and draws the
// events each action returns, one window of the page for each of the
// program's windows, with a bar of the windows on screen and an address
// for each (#/应收账款) that browser Back and bookmarks follow.
import { ActionResult, Capital, ControlSpec, Core, CoreEvent, LineSelection, Session, UiTexts } from "./core.js";
import { FormOwner, FormView } from "./form_view.js";
import { ContextMenu, MenuItem, copyTable } from "./popup.js";
import { VoucherView } from "./voucher_view.js";
import { WindowBar } from "./window_bar.js";

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
  private readonly bar: WindowBar;

  constructor(private readonly core: Core, private readonly desktop: HTMLElement) {
    this.session = new core.Session();
    this.texts = core.uiTexts();
    this.menu = new ContextMenu(document.body);
    this.dialog = this.makeFaultDialog();
    this.notice = this.makeOptionsBar();
    this.amountsToFen = this.readAmountsChoice();
    this.vouchers = new VoucherView(this.texts);
    this.addWorkMenus();
    // The work is saved within a second of a change, and when the page goes.
    addEventListener("pagehide", () => this.save());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.save();
    });
    this.bar = new WindowBar(this.texts.openWindows, (form) => this.bringToFront(form));
    desktop.before(this.bar.element);
    document.title = this.texts.programName;
    addEventListener("popstate", () => this.back());
    addEventListener("hashchange", () => this.follow(this.addressKey()));
  }

  // Starts the program with the work the browser kept from the last visit;
  // `fresh`: with empty windows.
  start(fresh = false): void {
    this.session.setAmountsToFen(this.amountsToFen);
    // The address the page was opened at names the window to open.
    const key = this.addressKey();
    history.replaceState({ bookkeeper: "base" }, "", "#/");
    history.pushState({ bookkeeper: "top" }, "", "#/");
    if (!fresh) this.restoreWork();
    this.apply(this.session.start());
    if (key) this.follow(key);
  }

  // Browser Back came to the entry under the page's own: the front window
  // closes, as with its close box, and the page stays. On the main window
  // Back leaves the page only when nothing has been typed or printed.
  private back(): void {
    if ((history.state as { bookkeeper?: string } | null)?.bookkeeper !== "base") return;
    const front = this.session.visible()[0];
    if (this.session.ended() || (front === 1 && !this.unsavedWork())) {
      history.back();
      return;
    }
    if (front !== undefined && front !== 1) this.closeBox(front);
    history.pushState({ bookkeeper: "top" }, "", this.address());
  }

  // A calculator's key in the address: its window comes to the front, or is
  // opened from the main window as that key would open it there.
  private addressKey(): string {
    return decoded(location.hash.replace(/^#\/?/, "")).trim();
  }
  // The windows by the key their address names.
  private windowKeys?: Map<string, number>;
  private follow(key: string): void {
    if (!this.windowKeys) {
      this.windowKeys = new Map();
      for (let form = 2; form <= this.texts.lastForm; ++form) {
        const k = this.core.windowSpec(form)?.key;
        if (k) this.windowKeys.set(k, form);
      }
    }
    // Only a window's address opens anything: a key that prints lines does not.
    if (!this.windowKeys.has(key) || this.session.ended()) return;
    const frontKey = this.views.get(this.session.visible()[0])?.spec.key;
    if (frontKey === key) return;
    for (const form of this.session.visible()) {
      if (this.views.get(form)?.spec.key === key) {
        this.bringToFront(form);
        return;
      }
    }
    // Back to the main window (each calculator's 退出), then the key.
    for (let i = 0; i <= this.texts.lastForm && !this.session.visible().includes(1); ++i) {
      const front = this.session.visible()[0];
      if (front === undefined || this.closeBox(front).refused) break;
    }
    const box = this.views.get(1)?.spec.controls.find((c) => c.kind === "text");
    const ok = this.views.get(1)?.spec.controls.find((c) => c.kind === "button" && c.number === this.views.get(1)?.spec.enterPresses);
    if (!box || !ok || !this.session.visible().includes(1)) return;
    const before = this.session.visible()[0];
    this.typed(1, box.number, key);
    const input = this.views.get(1)?.inputs.get(box.number);
    if (input) input.value = key;
    this.click(1, ok);
    if (this.session.visible()[0] === before) this.updateAddress();
  }

  // Whether anything was typed into a calculator or printed anywhere.
  private unsavedWork(): boolean {
    for (const form of this.views.keys()) {
      if (this.session.lines(form).length) return true;
      if (form !== 1 && Object.values(this.session.texts(form)).some((t) => t !== "")) return true;
    }
    return false;
  }

  private address(): string {
    const key = this.views.get(this.session.visible()[0])?.spec.key ?? "";
    return `#/${key}`;
  }
  private updateAddress(): void {
    if (this.session.ended() || (history.state as { bookkeeper?: string } | null)?.bookkeeper === "base") return;
    const address = this.address();
    if (location.hash !== address && decoded(location.hash) !== address)
      history.replaceState({ bookkeeper: "top" }, "", address);
  }

  // A window chosen in the bar: in front, its first box focused.
  private bringToFront(form: number): void {
    this.activate(form);
    const view = this.views.get(form);
    if (!view) return;
    view.root.scrollIntoView({ block: "nearest" });
    if (!view.root.contains(document.activeElement)) view.focusFirst();
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
    if (!fresh) this.restoreWork();
    this.apply(this.session.start());
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
    await copyTable(tsv, html);
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
        const view = new FormView(spec, this);
        this.views.set(e.form, view);
        this.desktop.append(view.root);
        break;
      }
      case "show": {
        const view = this.views.get(e.form);
        if (!view) break;
        view.title = e.title;
        view.shown();
        if (view.root.hidden) {
          // Beside the window it was opened from, the front one until now.
          const opener = this.views.get(this.session.visible().find((f) => f !== e.form) ?? 0);
          if (opener && !opener.root.hidden && opener !== view) opener.root.after(view.root);
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
    if (front) document.title = front.title;
    const onScreen = [...this.desktop.querySelectorAll<HTMLElement>(".window:not([hidden])")]
      .map((el) => [...this.views.values()].find((v) => v.root === el))
      .filter((v) => v !== undefined);
    this.bar.show(onScreen.map((v) => ({ form: v.spec.form, title: v.spec.key || v.spec.title })), visible[0]);
    this.updateAddress();
    if (front && this.shownLast === visible[0] && !front.root.contains(document.activeElement)) front.focusFirst();
    this.shownLast = 0;
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
    this.bar.show([], 0);
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

// A part of an address as typed; one that is not well encoded stands as it is.
function decoded(text: string): string {
  try {
    return decodeURIComponent(text);
  } catch {
    return text;
  }
}

declare global {
  interface Window {
    bookkeeper?: App;
  }
}

// The page's load: the core's WebAssembly is already on its way and
// compiled as it streams in (index.html), while the scripts load; the indicator the page shows
// from its first paint gives way to the program, or to a message and a
// button to try again when the core could not be loaded.
async function main(): Promise<void> {
  const desktop = document.getElementById("desktop")!;
  let core: Core;
  try {
    if (typeof createBookkeeper !== "function") throw new Error("bookkeeper.js did not load");
    const compiled = await window.bookkeeperWasm;
    core = await createBookkeeper({
      onAbort: (what) => console.warn("bookkeeper stopped:", what),
      instantiateWasm: compiled
        ? (imports, done) => {
          WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled))
            .catch(loadFailed);
          return {};
        }
        : undefined,
    });
  } catch (e) {
    loadFailed(e);
    return;
  }
  document.getElementById("loading")?.remove();
  document.getElementById("load-failed")?.remove();
  const app = new App(core, desktop);
  window.bookkeeper = app;
  app.start();
  performance.mark("ready");
  document.documentElement.dataset.ready = "true";
  if ("serviceWorker" in navigator && location.protocol !== "file:") watchForUpdates();
}

function loadFailed(e: unknown): void {
  console.warn("bookkeeper could not load:", e);
  const loading = document.getElementById("loading");
  const failed = document.getElementById("load-failed");
  if (!loading || !failed) return;
  loading.hidden = true;
  failed.hidden = false;
  failed.querySelector("button")?.focus();
}

// The offline copy: the worker keeps every file of the site. When a new
// version has been installed beside the running one, the page says so and
// offers to reload into it; the user's work is theirs to finish first.
function watchForUpdates(): void {
  const offer = (worker: ServiceWorker) => {
    const banner = document.getElementById("update")!;
    banner.hidden = false;
    banner.querySelector("button")!.onclick = () => {
      navigator.serviceWorker.addEventListener("controllerchange", () => location.reload(), { once: true });
      worker.postMessage("activate");
    };
  };
  navigator.serviceWorker.register("sw.js").then((registration) => {
    if (registration.waiting && navigator.serviceWorker.controller) offer(registration.waiting);
    registration.addEventListener("updatefound", () => {
      const worker = registration.installing;
      worker?.addEventListener("statechange", () => {
        if (worker.state === "installed" && navigator.serviceWorker.controller) offer(worker);
      });
    });
  }).catch((e) => console.warn("offline copy unavailable:", e));
}

document.getElementById("retry")?.addEventListener("click", () => location.reload());
void main();
