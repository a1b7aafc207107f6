// The page's address: the key of the front window after "#/" (#/应收账款),
// which bookmarks and typed addresses open, and browser Back, which closes
// the front window. The page keeps two entries in the history, its own
// ("top") over one under it ("base"); Back lands on the base, and the page
// pushes its own entry again unless it leaves.
import type { ActionResult, ControlSpec, Core, Session } from "./core.js";
import type { FormView } from "./form_view.js";

export interface AddressOwner {
  readonly session: Session;
  readonly views: ReadonlyMap<number, FormView>;
  bringToFront(form: number): void;
  closeBox(form: number): ActionResult;
  typed(form: number, number: number, text: string): ActionResult;
  click(form: number, control: ControlSpec): ActionResult;
  unsavedWork(): boolean;
}

// A part of an address as typed; one that is not well encoded stands as it is.
export function decoded(text: string): string {
  try {
    return decodeURIComponent(text);
  } catch {
    return text;
  }
}

// The key an address's hash names: "#/%E5%BA%94" and "#应" name "应".
export function keyOfHash(hash: string): string {
  return decoded(hash.replace(/^#\/?/, "")).trim();
}

// The address of the window with this key ("" for the main window).
export function addressOf(key: string): string {
  return `#/${key}`;
}

// Whether the hash already says the address, encoded or not.
export function hashShows(hash: string, address: string): boolean {
  return hash === address || decoded(hash) === address;
}

// What Back does on coming to the entry under the page's own: nothing when
// it came elsewhere; leaves the page when the program has ended or only the
// main window stands with no work in it; else closes the front window (not
// the main one) and stays.
export type BackStep = "none" | "leave" | "close" | "stay";
export function backStep(at: { base: boolean; ended: boolean; front: number | undefined; unsaved: boolean }): BackStep {
  if (!at.base) return "none";
  if (at.ended || (at.front === 1 && !at.unsaved)) return "leave";
  return at.front !== undefined && at.front !== 1 ? "close" : "stay";
}

// What a key in the address does, given the windows on screen front first
// with their keys: nothing when no window has that key (or the program has
// ended) or the front one has it; brings a window on screen that has it to
// the front; else opens it from the main window.
export type FollowStep = { kind: "none" } | { kind: "front"; form: number } | { kind: "open" };
export function followStep(key: string, known: boolean, ended: boolean,
  shown: readonly { form: number; key: string | undefined }[]): FollowStep {
  if (!known || ended || shown[0]?.key === key) return { kind: "none" };
  const on = shown.find((w) => w.key === key);
  return on ? { kind: "front", form: on.form } : { kind: "open" };
}

function atBase(): boolean {
  return (history.state as { bookkeeper?: string } | null)?.bookkeeper === "base";
}

export class Address {
  // The windows by the key their address names.
  private windowKeys?: Map<string, number>;

  constructor(private readonly owner: AddressOwner, private readonly core: Core, private readonly lastForm: number) {
    addEventListener("popstate", () => this.back());
    addEventListener("hashchange", () => this.follow(keyOfHash(location.hash)));
  }

  // Takes the history over at the start; returns the key the page was
  // opened at, which names the window to open.
  begin(): string {
    const key = keyOfHash(location.hash);
    history.replaceState({ bookkeeper: "base" }, "", "#/");
    history.pushState({ bookkeeper: "top" }, "", "#/");
    return key;
  }

  // Browser Back came to the entry under the page's own: the front window
  // closes, as with its close box, and the page stays. On the main window
  // Back leaves the page only when nothing has been typed or printed.
  private back(): void {
    const session = this.owner.session;
    const front = session.visible()[0];
    const base = atBase();
    const step = backStep({ base, ended: base && session.ended(), front, unsaved: base && front === 1 && this.owner.unsavedWork() });
    if (step === "none") return;
    if (step === "leave") {
      history.back();
      return;
    }
    if (step === "close" && front !== undefined) this.owner.closeBox(front);
    history.pushState({ bookkeeper: "top" }, "", this.address());
  }

  // A calculator's key in the address: its window comes to the front, or is
  // opened from the main window as that key would open it there.
  follow(key: string): void {
    if (!this.windowKeys) {
      this.windowKeys = new Map();
      for (let form = 2; form <= this.lastForm; ++form) {
        const k = this.core.windowSpec(form)?.key;
        if (k) this.windowKeys.set(k, form);
      }
    }
    // Only a window's address opens anything: a key that prints lines does not.
    const { session, views } = this.owner;
    const shown = session.visible().map((form) => ({ form, key: views.get(form)?.spec.key }));
    const step = followStep(key, this.windowKeys.has(key), session.ended(), shown);
    if (step.kind === "front") this.owner.bringToFront(step.form);
    else if (step.kind === "open") this.openFromMain(key);
  }

  // Back to the main window (each calculator's 退出), then the key.
  private openFromMain(key: string): void {
    const { session, views } = this.owner;
    for (let i = 0; i <= this.lastForm && !session.visible().includes(1); ++i) {
      const front = session.visible()[0];
      if (front === undefined || this.owner.closeBox(front).refused) break;
    }
    const main = views.get(1);
    const box = main?.spec.controls.find((c) => c.kind === "text");
    const ok = main?.spec.controls.find((c) => c.kind === "button" && c.number === main.spec.enterPresses);
    if (!box || !ok || !session.visible().includes(1)) return;
    const before = session.visible()[0];
    this.owner.typed(1, box.number, key);
    const input = views.get(1)?.inputs.get(box.number);
    if (input) input.value = key;
    this.owner.click(1, ok);
    if (session.visible()[0] === before) this.update();
  }

  private address(): string {
    return addressOf(this.owner.views.get(this.owner.session.visible()[0])?.spec.key ?? "");
  }

  // The address names the front window.
  update(): void {
    if (this.owner.session.ended() || atBase()) return;
    const address = this.address();
    if (!hashShows(location.hash, address)) history.replaceState({ bookkeeper: "top" }, "", address);
  }
}
