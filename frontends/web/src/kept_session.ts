// The work the browser keeps between visits (localStorage): the windows'
// work as the core writes it, saved within a second of a change and when
// the page goes, and the choice of 金额四舍五入到分. What cannot be read is
// moved aside, never written over, and the user told once.
import type { Session, UiTexts } from "./core.js";

// Where the browser keeps the windows' work, and the choice of rounding.
export const sessionKey = "bookkeeper.session";
export const amountsKey = "bookkeeper.amounts";

// The key an unreadable kept text is moved to: the first of
// KEY.unreadable, KEY.unreadable-2, … that is not taken.
export function asideKey(key: string, taken: (key: string) => boolean): string {
  let aside = `${key}.unreadable`;
  for (let n = 2; taken(aside); ++n) aside = `${key}.unreadable-${n}`;
  return aside;
}

// The stored choice of rounding: on when nothing is stored; undefined for
// a value this page cannot read.
export function amountsChoice(stored: string | null): boolean | undefined {
  if (stored === null || stored === "fen") return true;
  return stored === "exact" ? false : undefined;
}
export function storedAmounts(on: boolean): string {
  return on ? "fen" : "exact";
}

// Whether anything was typed into a calculator (the main window's key box
// does not count) or printed in any window.
export function hasWork(forms: Iterable<number>, lines: (form: number) => readonly string[],
  texts: (form: number) => Record<string, string>): boolean {
  for (const form of forms) {
    if (lines(form).length) return true;
    if (form !== 1 && Object.values(texts(form)).some((t) => t !== "")) return true;
  }
  return false;
}

export class KeptSession {
  private saving = 0;  // the timer of the next save, 0 for none

  // `work`: the windows' work to keep; `say`: tells the user a word about
  // what was kept.
  constructor(private readonly texts: UiTexts, private readonly work: () => string,
    private readonly say: (text: string) => void) {
    addEventListener("pagehide", () => this.save());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.save();
    });
  }

  // Gives the session the work kept from the last visit.
  restore(session: Session): void {
    let kept: string | null;
    try {
      kept = localStorage.getItem(sessionKey);
    } catch {
      return;  // storage switched off: nothing kept
    }
    if (kept === null || session.restoreWork(kept)) return;
    let aside: string;
    try {
      aside = asideKey(sessionKey, (key) => localStorage.getItem(key) !== null);
      localStorage.setItem(aside, kept);
      localStorage.removeItem(sessionKey);
    } catch {
      return;
    }
    this.say(`${this.texts.sessionUnreadable}${aside}。${this.texts.sessionFreshStart}`);
  }

  // Saves the windows' work now.
  save(): void {
    clearTimeout(this.saving);
    this.saving = 0;
    try {
      localStorage.setItem(sessionKey, this.work());
    } catch {
      // Storage switched off or full: the work holds for this visit.
    }
  }
  saveSoon(): void {
    if (!this.saving) this.saving = setTimeout(() => this.save(), 1000);
  }

  // The stored choice of rounding; a value this page cannot read is moved
  // aside and the default taken.
  readAmounts(): boolean {
    try {
      const stored = localStorage.getItem(amountsKey);
      const on = amountsChoice(stored);
      if (on !== undefined || stored === null) return on !== false;
      const aside = `${amountsKey}.unreadable`;
      localStorage.setItem(aside, stored);
      localStorage.removeItem(amountsKey);
      this.say(`${this.texts.settingsSetAside}${aside}。${this.texts.settingsDefaults}`);
    } catch {
      // No storage: the default.
    }
    return true;
  }
  writeAmounts(on: boolean): void {
    try {
      localStorage.setItem(amountsKey, storedAmounts(on));
    } catch {
      // Storage switched off: the choice holds for this visit.
    }
  }
}
