// A window's fields group by group: each column of the core's layout a
// column here, each group a heading and its rows (a caption, its box with
// its browse button and the box's note under it). A control the groups do
// not name still stands, at the end of the last group; the buttons stand
// apart. Also the buttons and captions themselves.
import type { ControlSpec, WindowSpec } from "./core.js";

export interface FieldParts {
  controls: ReadonlyMap<string, HTMLElement>;   // by name ("Text3")
  browseButtons: ReadonlyMap<number, HTMLElement>;  // by TextN
  notes: ReadonlyMap<number, HTMLElement>;          // by TextN
}

export function layOutGroups(spec: WindowSpec, parts: FieldParts): HTMLElement {
  const fields = document.createElement("div");
  fields.className = "fields";
  const placed = new Set<string>();
  const take = (name: string): HTMLElement | undefined => {
    const el = parts.controls.get(name);
    if (el) placed.add(name);
    return el;
  };
  let column: HTMLElement | undefined;
  let columnNumber = -1;
  let last: HTMLElement | undefined;
  spec.groups.forEach((g, index) => {
    if (!column || g.column !== columnNumber) {
      column = document.createElement("div");
      column.className = "column";
      columnNumber = g.column;
      fields.append(column);
    }
    const group = document.createElement("div");
    group.className = "group";
    group.setAttribute("role", "group");
    const heading = g.heading ? take(`Label${g.heading}`) : undefined;
    if (heading) {
      heading.classList.add("heading");
      heading.id = `${spec.name}-group${index}`;
      group.setAttribute("aria-labelledby", heading.id);
      group.append(heading);
    }
    for (const r of g.rows) group.append(row(take(r.label ? `Label${r.label}` : ""), take(`Text${r.text}`), r.text, parts));
    column.append(group);
    last = group;
  });
  for (const c of spec.controls) {
    if (c.kind === "button" || placed.has(c.name)) continue;
    if (!last) {
      last = document.createElement("div");
      last.className = "group";
      fields.append(last);
    }
    last.append(parts.controls.get(c.name)!);
    const browse = c.kind === "text" ? parts.browseButtons.get(c.number) : undefined;
    const note = c.kind === "text" ? parts.notes.get(c.number) : undefined;
    if (browse) last.append(browse);
    if (note) last.append(note);
  }
  return fields;
}

// One row of a group: the caption, then the box of TextN `text`.
function row(caption: HTMLElement | undefined, input: HTMLElement | undefined, text: number, parts: FieldParts): HTMLElement {
  const row = document.createElement("div");
  row.className = "row";
  if (caption) row.append(caption);
  else row.classList.add("uncaptioned");
  const box = document.createElement("div");
  box.className = "box";
  if (input) box.append(input);
  const browse = parts.browseButtons.get(text);
  if (browse) box.append(browse);
  const note = parts.notes.get(text);
  if (note) box.append(note);
  row.append(box);
  return row;
}

// A button of the window; `press`: the user pressed it.
export function makeButton(c: ControlSpec, press: () => void): HTMLButtonElement {
  const button = document.createElement("button");
  button.type = "button";
  button.textContent = c.caption;
  button.addEventListener("click", press);
  return button;
}

// A caption, or a link that opens another window (by Enter or Space too);
// `press`: the user clicked it.
export function makeLabel(c: ControlSpec, press: () => void): HTMLLabelElement {
  const label = document.createElement("label");
  label.textContent = c.caption;
  if (c.opens) {
    label.classList.add("link");
    label.tabIndex = 0;
    label.setAttribute("role", "link");
    label.addEventListener("keydown", (e) => {
      if (e.key === "Enter" || e.key === " ") {
        e.preventDefault();
        press();
      }
    });
  }
  label.addEventListener("click", (e) => {
    e.preventDefault();  // not a click on the box it names
    press();
  });
  return label;
}
