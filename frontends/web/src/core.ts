// The shapes of what the WebAssembly core hands the page (frontends/web/wasm/binding.cpp);
// tests/binding.test.mjs checks them against the binding and what it returns.

export type ControlKind = "label" | "text" | "button";

export interface ControlSpec {
  kind: ControlKind;
  number: number;
  name: string;        // "Text3", "Label6", "Command1"
  caption: string;
  left: number;        // twips from the client area's top left
  top: number;
  width: number;
  height: number;
  opens: number;       // a label that opens another window: that window; 0 for none
  completes: boolean;  // a text box that offers keys as the user types
  browses: boolean;    // a text box that offers every key by subject
  buddy: number;       // a label that names a text box: its TextN
  tip: string;         // a text box's explanation, its tooltip; may be empty
  placeholder: string; // the number an empty text box stands for, shown in grey; may be empty
}

export interface Rect {
  left: number;        // twips from the client area's top left
  top: number;
  width: number;
  height: number;
}

// A window's fields by group (src/calc/groups.h): the columns left to right,
// in each the groups top to bottom; the page lays them out at any width.
export interface GroupRow {
  label: number;       // the caption's LabelN; 0 for none
  text: number;        // the field's TextN
}

export interface ControlGroup {
  column: number;      // 0 for the first column
  heading: number;     // the heading's LabelN; 0 for none
  rows: GroupRow[];
}

export interface WindowSpec {
  form: number;
  name: string;        // "Form7"
  title: string;       // the title bar, also the window's accessible name, until a show says another
  width: number;       // client area, twips
  height: number;
  controls: ControlSpec[];  // the focusable ones in tab order
  printArea: Rect;     // where the printed lines stand, the last tab stop
  hintArea: Rect | null;  // where the hint under the key box stands
  enterPresses: number;   // the button Enter in a text box presses
  groups: ControlGroup[];  // its fields by group, in reading order
  key: string;         // the key its address names ("#/应收账款"); "" for the main window
}

export type CoreEvent =
  | { kind: "create" | "hide" | "clear"; form: number }
  | { kind: "show"; form: number; title: string }  // the title the window has from now on
  | { kind: "print"; form: number; row: number; text: string }
  | { kind: "hint"; form: number; text: string; keys: string[]; shown: string[] }  // text "": no hint
  | { kind: "fault"; form: number; code: number; text: string }
  | { kind: "quit"; form: number };

export interface ActionResult {
  refused: string;     // empty when the action was done
  events: CoreEvent[];
}

// An item of the browse menu: a key, or keys that do the same as one item;
// choosing it puts `key` into the box.
export interface BrowseItem {
  label: string;  // its keys: 回购股份（回购股票、注销股份）
  shown: string;  // as the menu shows it: a label of the general standard marked
  key: string;
}

export interface Subject {
  name: string;
  items: BrowseItem[];
}

// Text selected in a print area, from where the selection was begun to
// where it was taken: a line, and a character of it (0: before the first).
export interface LineSelection {
  anchorLine: number;
  anchorColumn: number;
  endLine: number;
  endColumn: number;
}

// The rows copy as table puts on the clipboard, as tab-separated text and
// as an HTML table.
export interface CopiedTable {
  rows: string[][];
  tsv: string;
  html: string;
}

// An entry of the last press as the voucher view shows it: amounts with
// two decimals and thousands separators; the *Text ones as number text.
export interface VoucherLine {
  account: string;     // the account posted to: 应收账款-公司全称; the one chosen of `accounts`
  accounts: string[];  // the accounts the caption names: one, or the alternatives of 应收账款/银行存款
  accountsShown: string[];  // the same as the voucher shows them, with their codes
  shown: string;       // as the voucher shows it, the chart's code beside: 1122 应收账款-公司全称
  debit: boolean;
  amount: string;
  text: string;        // as printed
}

export interface Voucher {
  summary: string;     // 摘要
  lines: VoucherLine[];
  debits: string;
  credits: string;
  capital: string;     // the debit total in capital figures; "" when too large
  balanced: boolean;
  difference: string;  // debits less credits
  debitsText: string;
  creditsText: string;
  differenceText: string;
}

// The vouchers, with their rows as CSV (with a byte order mark), as
// tab-separated text and as an HTML table.
export interface Vouchers {
  vouchers: Voucher[];
  csv: string;
  tsv: string;
  html: string;
}

export interface Capital {
  ok: boolean;         // the text was wholly an amount
  capital: string;
}

export interface Session {
  start(): ActionResult;
  click(form: number, kind: ControlKind, number: number): ActionResult;
  setText(form: number, number: number, text: string): ActionResult;
  close(form: number): ActionResult;
  activated(form: number): void;
  ended(): boolean;
  completions(form: number, number: number, typed: string): string[];
  shownKey(key: string): string;  // a key as lists show it: one of the general standard marked
  subjects(form: number, number: number): Subject[];
  // Whether the Down arrow, pressed alone in the box, opens the subjects.
  downOpensBrowse(form: number, number: number, completionsOpen: boolean): boolean;
  fieldNote(form: number, number: number): string;  // "" when the text is wholly a number
  setAmountsToFen(fen: boolean): void;  // derived money to the fen (the default) or exact
  amountsToFen(): boolean;
  visible(): number[];
  lines(form: number): string[];
  texts(form: number): Record<string, string>;
  // The lines that copy as table takes for the selection (null: none).
  table(form: number, selection: LineSelection | null): CopiedTable;
  // 撤销清除, and whether there is something to bring back; 新建（清除全部）.
  undoClear(form: number): ActionResult;
  canUndoClear(form: number): boolean;
  clearAll(): ActionResult;
  // The entries of the window's last press, with the date and 附件 filled in;
  // choices[k][i] is the account chosen for line i of voucher k (an index
  // into its accounts; the first where not given).
  vouchers(form: number, date: string, attachments: string, choices: number[][]): Vouchers;
  // What the windows hold as the session text; restoreWork puts it back
  // before start(), false when the text cannot be read.
  work(): string;
  restoreWork(text: string): boolean;
  delete(): void;  // frees the C++ object
}

export interface UiTexts {
  programName: string;
  faultTitle: string;
  ok: string;
  printArea: string;
  copy: string;
  selectAll: string;
  copyAsTable: string;
  browse: string;
  hintKeyAction: string;
  close: string;
  ended: string;
  restart: string;
  completions: string;   // the name of the completer's list
  openWindows: string;   // the name of the bar of windows on screen
  fileMenu: string;
  editMenu: string;
  makeVouchers: string;
  undoClear: string;
  clearAll: string;
  clearAllQuestion: string;
  voucher: string;
  voucherNumber: string;
  date: string;
  attachments: string;
  sheets: string;
  attachmentCount: string;
  summary: string;
  account: string;
  debitAmount: string;
  creditAmount: string;
  total: string;
  capitalAmount: string;
  unbalanced: string;
  noVouchers: string;
  print: string;
  saveCsv: string;
  sessionUnreadable: string;
  sessionFreshStart: string;
  lastForm: number;
  optionsMenu: string;           // the menu of the user's choices
  amountsToFen: string;          // its item: derived money rounded to the fen
  amountsToFenShortcut: string;  // "Ctrl+Shift+F"
  settingsSetAside: string;      // said when the stored choices could not be read
  settingsDefaults: string;
}

export interface Core {
  Session: new () => Session;
  windowSpec(form: number): WindowSpec | null;  // null: no such window
  uiTexts(): UiTexts;
  capital(amount: string): Capital;  // 金额大写 of an amount as a field takes it
}

declare global {
  // bookkeeper.js, loaded before the page's script; instantiateWasm makes
  // the core's instance from a module compiled beforehand.
  function createBookkeeper(options?: {
    onAbort?: (what: unknown) => void;
    instantiateWasm?: (
      imports: WebAssembly.Imports,
      done: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void,
    ) => object;
  }): Promise<Core>;
  interface Window {
    // The core's WebAssembly, compiled while the page loads (index.html).
    bookkeeperWasm?: Promise<WebAssembly.Module>;
  }
}

// Positions and sizes in twips; CSS pixels are 1/96 inch, 15 twips each.
export function px(twips: number): string {
  return `${twips / 15}px`;
}
