// Runs a session script (docs/replay.md) in the page, through the page's own
// windows: text typed into the boxes, buttons, captions and close boxes
// clicked, the visible windows and printed lines read off the page. The
// event log is written from the events the web toolkit hands the page.
// The program starts anew for each script. With `check`, after every command
// the page must show what the core holds: just the windows it thinks
// visible, in its order, each print area with the window's lines, each box
// with its text, each hint as last given; the first difference is thrown.
export async function runScript(page, script, { check = false } = {}) {
  return page.evaluate(({ script, check }) => {
    const app = window.bookkeeper;
    const log = [];
    const form = (n) => `Form${n}`;
    // The events of this run, drawn into the log after each command.
    const events = [];
    window.bookkeeperEvents = events;
    if (!window.bookkeeperTapped) {
      window.bookkeeperTapped = true;
      app.tap((e) => window.bookkeeperEvents.push(e));
    }
    app.restart(true);  // empty windows, not the work the browser kept
    const hints = new Map();  // the last hint each window was given
    const drain = () => { for (const e of events.splice(0)) describe(e); };
    const describe = (e) => {
      if (e.kind === "print") log.push(`print ${form(e.form)} ${e.row} [${e.text}]`);
      else if (e.kind === "fault") log.push(`fault ${form(e.form)} ${e.code} ${e.text}`);
      else if (e.kind === "hint") {
        hints.set(e.form, e);
        log.push([`hint ${form(e.form)} [${e.text}]`, ...e.keys].join(" "));
      }
      else if (e.kind === "quit") log.push("end");
      else if (e.kind !== "create") log.push(`${e.kind} ${form(e.form)}`);
    };
    drain();
    const shownFrontFirst = () => [...document.querySelectorAll(".window:not([hidden])")]
      .sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex)).map((w) => w.id);
    const verify = (line) => {
      if (app.session.ended()) return;
      const core = app.session.visible().map(form);
      if (shownFrontFirst().join() !== core.join()) throw new Error(`${line}: page shows ${shownFrontFirst()}, core ${core}`);
      for (const [n, view] of app.views) {
        const drawn = [...view.root.querySelectorAll(".print-area .line")].map((l) => l.textContent);
        if (!view.root.hidden && drawn.join("\n") !== app.session.lines(n).join("\n"))
          throw new Error(`${line}: ${form(n)}'s print area differs from its lines`);
        const hint = view.root.querySelector(".hint");
        const given = hints.get(n)?.text ? [hints.get(n).text, ...hints.get(n).shown].join("|") : "";
        if (hint && (hint.hidden ? "" : [...hint.children].map((c) => c.textContent).join("|")) !== given)
          throw new Error(`${line}: ${form(n)}'s hint differs from the one it was given`);
        for (const [k, text] of Object.entries(app.session.texts(n)))
          if (view.inputs.get(Number(k))?.value !== text) throw new Error(`${line}: ${form(n)}.Text${k} lost its text`);
      }
    };
    const refused = (result) => { if (result.refused) log.push(`refused ${result.refused}`); };
    // The window's element if it is on screen, and the control's.
    const onScreen = (n, control) => {
      const view = app.views.get(n);
      if (!view || view.root.hidden) return undefined;
      return control ? view.control(control) : view.root;
    };
    // An amount as an exact decimal, "-25E-1" for -2.5; undefined if the
    // text is not a plain decimal number.
    const exact = (text) => {
      const m = /^([+-]?)(\d*)(?:\.(\d*))?(?:[Ee]([+-]?\d+))?$/.exec(text);
      if (!m || m[2] + (m[3] ?? "") === "") return undefined;
      let digits = (m[2] + (m[3] ?? "")).replace(/^0+/, "");
      let exponent = BigInt(m[4] ?? 0) - BigInt((m[3] ?? "").length);
      if (digits === "") return "0";
      for (; digits.endsWith("0"); ++exponent) digits = digits.slice(0, -1);
      return `${m[1] === "-" ? "-" : ""}${digits}E${exponent}`;
    };
    // The print area's lines as drawn, and the core's reading of them: a
    // result line is [caption, bare amount].
    const drawnLines = (n) => {
      const view = app.views.get(n);
      return view ? [...view.root.querySelectorAll(".print-area .line")].map((l) => l.textContent) : [];
    };
    const unmet = [];
    // Checks "FormN [TEXT]" or "FormN CAPTION AMOUNT" (docs/replay.md); false
    // if the line is malformed.
    const expect = (rest) => {
      const gap = rest.indexOf(" ");
      const [, n] = /^Form([1-9]\d*)$/.exec(gap < 0 ? rest : rest.slice(0, gap)) ?? [];
      if (!n || gap < 0) return false;
      const what = rest.slice(gap + 1);
      const lines = drawnLines(+n);
      const miss = (printed) => `expected ${rest}, printed ${printed}`;
      if (what.length >= 2 && what.startsWith("[") && what.endsWith("]")) {
        if (!lines.includes(what.slice(1, -1))) return miss("no such line");
        return true;
      }
      const last = what.lastIndexOf(" ");
      if (last < 0) return false;
      const caption = what.slice(0, last), amount = what.slice(last + 1);
      const wanted = amount === "-" ? "" : exact(amount);
      if (wanted === undefined) return false;
      const rows = app.session.table(+n, null).rows;
      let row = rows.length - 1;
      while (row >= 0 && !(rows[row].length === 2 && rows[row][0] === caption)) --row;
      if (row < 0) return miss("no such line");
      const printed = rows[row][1] === "" ? "" : exact(rows[row][1]);
      return printed === wanted || miss(`[${lines[row]}]`);
    };
    const kinds = { Text: "text", Label: "label", Command: "button" };
    let lineNumber = 0;
    for (let line of script.split("\n")) {
      ++lineNumber;
      if (app.session.ended()) break;
      if (line.endsWith("\r")) line = line.slice(0, -1);
      if (line === "" || line.startsWith("#")) continue;
      if (line.startsWith("expect ")) {
        const met = expect(line.slice("expect ".length));
        if (met === false) throw new Error(`line ${lineNumber}: cannot read "${line}"`);
        if (met !== true) unmet.push(`line ${lineNumber}: ${met}`);
        continue;
      }
      log.push(`> ${line}`);
      const [verb, target = ""] = line.split(" ", 2);
      const [, n, control = ""] = /^Form(\d+)\.?(.*)$/.exec(target) ?? [];
      const [, prefix, number] = /^([A-Za-z]+)(\d+)$/.exec(control) ?? [];
      if (verb === "set") {
        const text = line.slice(`set ${target} `.length);
        const box = onScreen(+n, control);
        if (!box) { refused(app.session.setText(+n, +number, text)); continue; }
        box.value = text;
        box.dispatchEvent(new Event("input", { bubbles: true }));
      } else if (verb === "click") {
        const el = onScreen(+n, control);
        if (el) el.click(); else refused(app.session.click(+n, kinds[prefix], +number));
      } else if (verb === "close") {
        const el = onScreen(+n);
        if (el) el.querySelector(".close-box").click(); else refused(app.session.close(+n));
      } else if (verb === "state") {
        const shown = [...document.querySelectorAll(".window:not([hidden])")]
          .sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex));
        log.push(["visible:", ...shown.map((w) => w.id)].join(" "));
      } else if (verb === "screen") {
        const view = app.views.get(+n);
        const lines = view ? [...view.root.querySelectorAll(".print-area .line")] : [];
        lines.forEach((l, row) => log.push(`screen ${form(+n)} ${row} [${l.textContent}]`));
      } else if (verb === "amounts" && (target === "fen" || target === "exact")) {
        app.session.setAmountsToFen(target === "fen");
      } else if (verb === "vouchers" && n && !control) {
        app.session.vouchers(+n, "", "", []).vouchers.forEach((v, i) => {
          const k = i + 1;
          log.push(`voucher ${form(+n)} ${k} [${v.summary}] ${v.debitsText} ${v.creditsText} [${v.capital}]`);
          for (const l of v.lines) log.push(`line ${form(+n)} ${k} ${l.debit ? "借" : "贷"} [${l.account}] ${l.text}`);
          if (!v.balanced) log.push(`unbalanced ${form(+n)} ${k} ${v.differenceText}`);
        });
      } else if (verb === "daxie") {
        const amount = line.slice("daxie ".length);
        const { ok, capital } = app.capital(amount);
        if (!ok) throw new Error(`cannot read "${line}"`);
        log.push(`daxie [${amount}] [${capital}]`);
      } else if (verb === "undo" && n && !control) {
        // Ctrl+Z in the window's print area.
        const area = onScreen(+n)?.querySelector(".print-area");
        if (area) area.dispatchEvent(new KeyboardEvent("keydown", { key: "z", ctrlKey: true, bubbles: true }));
        else refused(app.session.undoClear(+n));
      } else if (verb === "new" && !target) {
        app.clearAll();
      } else if (verb === "subjects") {
        for (const s of app.session.subjects(1, 1)) {
          log.push(`subject ${s.name}`);
          for (const item of s.items) log.push(`key ${item.label}`);
        }
      } else {
        throw new Error(`cannot read "${line}"`);
      }
      drain();
      if (check) verify(line);
    }
    if (unmet.length) throw new Error(unmet.join("\n"));
    return log.map((l) => `${l}\n`).join("");
  }, { script, check });
}
