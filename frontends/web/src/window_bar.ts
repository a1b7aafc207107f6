// The bar of the windows on screen, in the order they stand on the page (a
// row of tabs on a phone, where only the front window is shown): the front
// one marked, a press on another brings it to the front.
export interface BarItem {
  form: number;
  title: string;
}

export class WindowBar {
  readonly element: HTMLElement;
  private readonly list: HTMLElement;

  constructor(label: string, private readonly choose: (form: number) => void) {
    this.element = document.createElement("nav");
    this.element.className = "window-bar";
    this.element.setAttribute("aria-label", label);
    this.list = document.createElement("ul");
    this.element.append(this.list);
  }

  show(items: BarItem[], front: number): void {
    this.element.hidden = items.length === 0;
    this.list.replaceChildren(
      ...items.map((item) => {
        const li = document.createElement("li");
        const b = document.createElement("button");
        b.type = "button";
        b.textContent = item.title;
        b.dataset.form = String(item.form);
        if (item.form === front) b.setAttribute("aria-current", "true");
        b.addEventListener("click", () => this.choose(item.form));
        li.append(b);
        return li;
      }),
    );
  }
}
