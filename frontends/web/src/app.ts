// The page: loads the core, passes the user's actions in and draws the
// events each action returns, one window of the page for each of the
// program's windows (form_view.ts), with a bar of the windows on screen
// (window_bar.ts), an address for each (#/应收账款) that browser Back and
// bookmarks follow (address.ts), the page's menus (page_bar.ts), the
// program's faults (fault_dialog.ts) and the work kept between visits
// (kept_session.ts).
import { ActionResult, Capital, ControlSpec, Core, CoreEvent, LineSelection, Session, UiTexts } from "./core.js";
import { Address, AddressOwner } from "./address.js";
import { FaultDialog } from "./fault_dialog.js";
import { FormOwner, FormView } from "./form_view.js";
import { KeptSession, hasWork } from "./kept_session.js";
import { PageBar, PageBarOwner } from "./page_bar.js";
import { ContextMenu, copyTable } from "./popup.js";
import { VoucherView } from "./voucher_view.js";
import { WindowBar } from "./window_bar.js";

export class App implements FormOwner, AddressOwner, PageBarOwner {
  session: Session;
  readonly texts: UiTexts;
  readonly menu: ContextMenu;
  readonly views = new Map<number, FormView>();
  amountsToFen = true;
  private readonly taps: ((e: CoreEvent) => void)[] = [];
  private readonly faults: FaultDialog;
  private readonly bar: WindowBar;
  private readonly pageBar: PageBar;
  private readonly kept: KeptSession;
  private readonly address: Address;
  private readonly vouchers: VoucherView;
  private shownLast = 0;

  constructor(private readonly core: Core, private readonly desktop: HTMLElement) {
    this.session = new core.Session();
    this.texts = core.uiTexts();
    this.menu = new ContextMenu(document.body);
    // The dialog gives the focus back where it was; only when that is not in
    // the front window does the window's first field take it. The close
    // event may come after the user has moved on (Tab), which must stand.
    this.faults = new FaultDialog(this.texts, () => {
      const front = this.views.get(this.session.visible()[0]);
      if (front && !front.root.contains(document.activeElement)) front.focusFirst();
    });
    this.pageBar = new PageBar(this, desktop);
    // The work is saved within a second of a change, and when the page goes.
    this.kept = new KeptSession(this.texts, () => this.session.work(), (text) => this.pageBar.say(text));
    this.amountsToFen = this.kept.readAmounts();
    this.vouchers = new VoucherView(this.texts);
    this.bar = new WindowBar(this.texts.openWindows, (form) => this.bringToFront(form));
    desktop.before(this.bar.element);
    document.title = this.texts.programName;
    this.address = new Address(this, core, this.texts.lastForm);
  }

  // Starts the program with the work the browser kept from the last visit;
  // `fresh`: with empty windows.
  start(fresh = false): void {
    this.session.setAmountsToFen(this.amountsToFen);
    const key = this.address.begin();
    if (!fresh) this.kept.restore(this.session);
    this.apply(this.session.start());
    if (key) this.address.follow(key);
  }

  // A new run of the program on the same page, as after starting it again.
  // `fresh`: with empty windows rather than the work kept.
  restart(fresh = false): void {
    for (const view of this.views.values()) view.root.remove();
    this.views.clear();
    this.faults.reset();
    this.desktop.querySelector(".ended")?.remove();
    this.vouchers.close();
    this.kept.save();
    this.session.delete();
    this.session = new this.core.Session();
    if (!fresh) this.kept.restore(this.session);
    this.apply(this.session.start());
  }

  // Whether anything was typed into a calculator or printed anywhere.
  unsavedWork(): boolean {
    return hasWork(this.views.keys(), (form) => this.session.lines(form), (form) => this.session.texts(form));
  }

  // A window chosen in the bar or by its address: in front, its first box focused.
  bringToFront(form: number): void {
    this.activate(form);
    const view = this.views.get(form);
    if (!view) return;
    view.root.scrollIntoView({ block: "nearest" });
    if (!view.root.contains(document.activeElement)) view.focusFirst();
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

  // 金额四舍五入到分, on by default: kept in the browser's storage for the
  // next visit; it governs the next press of 确定.
  setAmountsToFen(on: boolean): void {
    this.amountsToFen = on;
    this.session.setAmountsToFen(on);
    this.kept.writeAmounts(on);
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
    this.faults.next();
    this.kept.saveSoon();
    return result;
  }

  private draw(e: CoreEvent): void {
    const view = this.views.get(e.form);
    switch (e.kind) {
      case "create": {
        const spec = this.core.windowSpec(e.form);
        if (!spec) break;  // never: the core creates only windows it has
        const created = new FormView(spec, this);
        this.views.set(e.form, created);
        this.desktop.append(created.root);
        break;
      }
      case "show":
        if (view) this.show(view, e.title);
        break;
      case "hide":
        if (view) view.root.hidden = true;
        break;
      case "print":
        view?.printLine(e.row, e.text);
        break;
      case "clear":
        view?.clearOutput();
        break;
      case "hint":
        view?.showHint(e.text, e.keys, e.shown);
        break;
      case "fault":
        this.faults.add(e.text);
        break;
      case "quit":
        this.ended();
        break;
    }
  }

  private show(view: FormView, title: string): void {
    view.title = title;
    view.shown();
    if (view.root.hidden) {
      // Beside the window it was opened from, the front one until now.
      const form = view.spec.form;
      const opener = this.views.get(this.session.visible().find((f) => f !== form) ?? 0);
      if (opener && !opener.root.hidden && opener !== view) opener.root.after(view.root);
      view.root.hidden = false;
      view.redraw();
    }
    this.shownLast = view.spec.form;
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
    this.address.update();
    if (front && this.shownLast === visible[0] && !front.root.contains(document.activeElement)) front.focusFirst();
    this.shownLast = 0;
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
