// The voucher view of the page: the entries of a window's last press as
// 记账凭证, one table each, with 日期 and 附件 张数 for the user to fill in
// and an entry that does not balance marked with its difference. A line
// naming alternatives (应收账款/银行存款) has its 会计科目 as a drop-down of
// them; the print, the copy and the CSV post to the one chosen. From it:
// the browser's print (the print style sheet puts one voucher on a page),
// copy as a table and save as CSV. Every word and amount comes from the core.
import { Session, UiTexts, VoucherLine, Vouchers } from "./core.js";
import { copyTable } from "./popup.js";

export class VoucherView {
  readonly dialog: HTMLDialogElement;
  private readonly date: HTMLInputElement;
  private readonly attachments: HTMLInputElement;
  private readonly list: HTMLElement;
  private readonly empty: HTMLDialogElement;
  private shown: { form: number; session: Session } | undefined;
  private choices: number[][] = [];  // the account chosen for each line, by voucher

  constructor(private readonly texts: UiTexts) {
    const t = texts;
    this.dialog = document.createElement("dialog");
    this.dialog.className = "voucher-view";
    this.dialog.setAttribute("aria-label", t.voucher);
    const fields = document.createElement("div");
    fields.className = "voucher-fields";
    const field = (label: string, value: string) => {
      const wrap = document.createElement("label");
      wrap.textContent = label;
      const input = document.createElement("input");
      input.value = value;
      input.addEventListener("input", () => this.draw());
      wrap.append(input);
      fields.append(wrap);
      return input;
    };
    const today = new Date();
    const pad = (n: number) => String(n).padStart(2, "0");
    this.date = field(t.date, `${today.getFullYear()}-${pad(today.getMonth() + 1)}-${pad(today.getDate())}`);
    this.date.name = "date";
    this.attachments = field(t.attachmentCount, "");
    this.attachments.name = "attachments";
    this.list = document.createElement("div");
    this.list.className = "voucher-list";
    const buttons = document.createElement("div");
    buttons.className = "voucher-buttons";
    const button = (label: string, name: string, action: () => void) => {
      const b = document.createElement("button");
      b.type = "button";
      b.name = name;
      b.textContent = label;
      b.addEventListener("click", action);
      buttons.append(b);
    };
    button(t.print, "print", () => print());
    button(t.copyAsTable, "copy", () => void this.copy());
    button(t.saveCsv, "csv", () => this.saveCsv());
    button(t.close, "close", () => this.close());
    this.dialog.append(fields, this.list, buttons);
    document.body.append(this.dialog);

    this.empty = document.createElement("dialog");
    this.empty.className = "voucher-none";
    const note = document.createElement("p");
    note.textContent = t.noVouchers;
    const form = document.createElement("form");
    form.method = "dialog";
    const ok = document.createElement("button");
    ok.textContent = t.ok;
    form.append(ok);
    this.empty.append(note, form);
    document.body.append(this.empty);
  }

  // The vouchers of the window's last press; a note when it printed none.
  open(form: number, session: Session): void {
    this.shown = { form, session };
    this.choices = [];
    if (!this.read().vouchers.length) {
      this.shown = undefined;
      if (!this.empty.open) this.empty.showModal();
      return;
    }
    this.draw();
    if (!this.dialog.open) this.dialog.showModal();
  }

  close(): void {
    this.shown = undefined;
    if (this.dialog.open) this.dialog.close();
  }

  private read(): Vouchers {
    if (!this.shown) return { vouchers: [], csv: "", tsv: "", html: "" };
    return this.shown.session.vouchers(this.shown.form, this.date.value, this.attachments.value, this.choices);
  }

  private draw(): void {
    const t = this.texts;
    const cell = (tag: string, text: string, className = "") => {
      const c = document.createElement(tag);
      c.textContent = text;
      if (className) c.className = className;
      return c;
    };
    const sections = this.read().vouchers.map((v, k) => {
      const section = document.createElement("section");
      section.className = "voucher";
      const gap = "\u3000";  // a full-width space between the fields
      const meta = `${t.voucherNumber}：${k + 1}${gap}${t.date}：${this.date.value}${gap}${t.attachments} ${this.attachments.value} ${t.sheets}`;
      const table = document.createElement("table");
      const head = document.createElement("tr");
      head.append(cell("th", t.summary), cell("th", t.account), cell("th", t.debitAmount), cell("th", t.creditAmount));
      table.append(head);
      v.lines.forEach((l, i) => {
        const row = document.createElement("tr");
        row.append(cell("td", i === 0 ? v.summary : ""), this.accountCell(k, i, l),
          cell("td", l.debit ? l.amount : "", "amount"), cell("td", l.debit ? "" : l.amount, "amount"));
        table.append(row);
      });
      const total = document.createElement("tr");
      total.className = "total";
      total.append(cell("td", t.total), cell("td", `${t.capitalAmount}：${v.capital}`),
        cell("td", v.debits, "amount"), cell("td", v.credits, "amount"));
      table.append(total);
      section.append(cell("h2", t.voucher), cell("p", meta, "meta"), table);
      if (!v.balanced) section.append(cell("p", `⚠ ${t.unbalanced} ${v.difference}`, "unbalanced"));
      return section;
    });
    this.list.replaceChildren(...sections);
  }

  // The 会计科目 cell: the account, or a drop-down of the alternatives the
  // line names, showing the one chosen (the print shows its text alone).
  private accountCell(k: number, i: number, l: VoucherLine): HTMLElement {
    const c = document.createElement("td");
    c.className = "account";
    if (l.accounts.length < 2) {
      c.textContent = l.shown;
      return c;
    }
    const select = document.createElement("select");
    select.name = `account-${k}-${i}`;
    select.setAttribute("aria-label", this.texts.account);
    l.accounts.forEach((a, n) => {
      const option = document.createElement("option");
      option.value = String(n);
      option.textContent = l.accountsShown[n];
      option.selected = a === l.account;
      select.append(option);
    });
    select.addEventListener("change", () => {
      const lines = this.choices[k] ?? (this.choices[k] = []);
      for (let j = 0; j < i; ++j) lines[j] ??= 0;
      lines[i] = Number(select.value);
      this.draw();
    });
    const printed = document.createElement("span");
    printed.className = "printed-account";
    printed.textContent = l.shown;
    c.append(select, printed);
    return c;
  }

  private async copy(): Promise<void> {
    const { tsv, html } = this.read();
    await copyTable(tsv, html);
  }

  // The CSV as a download: UTF-8 with its byte order mark, as the core writes it.
  private saveCsv(): void {
    const url = URL.createObjectURL(new Blob([this.read().csv], { type: "text/csv;charset=utf-8" }));
    const a = document.createElement("a");
    a.href = url;
    a.download = `${this.texts.voucher}.csv`;
    a.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
  }
}
