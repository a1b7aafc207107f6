// The program's faults, one at a time in a modal dialog: the program has
// carried on, and the user goes on after closing it.
import type { UiTexts } from "./core.js";

export class FaultDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly text: HTMLElement;
  private readonly waiting: string[] = [];

  // `closed`: the user closed the dialog (the next fault follows).
  constructor(texts: UiTexts, closed: () => void) {
    const dialog = (this.dialog = document.createElement("dialog"));
    dialog.className = "fault";
    dialog.setAttribute("aria-labelledby", "fault-title");
    dialog.setAttribute("aria-describedby", "fault-text");
    const title = document.createElement("h2");
    title.id = "fault-title";
    title.textContent = texts.faultTitle;
    this.text = document.createElement("p");
    this.text.id = "fault-text";
    const form = document.createElement("form");
    form.method = "dialog";
    const ok = document.createElement("button");
    ok.textContent = texts.ok;
    form.append(ok);
    dialog.append(title, this.text, form);
    dialog.addEventListener("close", () => {
      closed();
      this.next();
    });
    document.body.append(dialog);
  }

  add(text: string): void {
    this.waiting.push(text);
  }

  // Shows the next fault, unless one is shown.
  next(): void {
    if (this.dialog.open) return;
    const text = this.waiting.shift();
    if (text === undefined) return;
    this.text.textContent = text;
    this.dialog.showModal();
  }

  // Forgets every fault, for a new run of the program.
  reset(): void {
    this.waiting.length = 0;
    if (this.dialog.open) this.dialog.close();
  }
}
