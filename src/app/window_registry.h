// The single instances of the windows, one for each window number.
//
// A slot is empty until its window is first used; every operation that names
// a window creates it (hidden, fields empty) if need be. Windows are never
// destroyed: a hidden window keeps its typed texts and its printed lines.
// Only a window on screen has a drawing in the toolkit: it is made when the
// window is shown and let go when it is hidden, and made again from what
// the window holds when it is shown once more.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/output_surface.h"
#include "window/toolkit.h"

namespace bk {

class Window {
public:
    Window(Toolkit& toolkit, WindowSpec spec);

    FormId form() const { return spec_.form; }
    const WindowSpec& spec() const { return spec_; }
    bool visible() const { return visible_; }
    // Whether the toolkit holds a drawing of the window.
    bool drawn() const { return drawn_; }
    // The control of that kind and number, or nullptr if the window has none.
    const ControlSpec* control(ControlKind kind, int number) const;

    // Text box contents; the text of a box the window lacks is empty.
    const std::string& text(int textNumber) const;
    void setText(int textNumber, std::string text);
    const std::map<int, std::string>& texts() const { return texts_; }

    OutputSurface& output() { return output_; }
    const OutputSurface& output() const { return output_; }

private:
    friend class WindowRegistry;
    WindowSpec spec_;
    bool visible_ = false;
    bool drawn_ = false;
    std::map<int, std::string> texts_;
    OutputSurface output_;
};

class WindowRegistry {
public:
    using SpecFactory = std::function<WindowSpec(FormId)>;
    // Windows 1 to `lastForm`.
    WindowRegistry(Toolkit& toolkit, SpecFactory specFor, FormId lastForm);

    // The window, created hidden on first use. `form` must be 1..lastForm.
    Window& get(FormId form);
    // The window if it exists already, else nullptr.
    Window* find(FormId form);
    const Window* find(FormId form) const;

    // The window's title from now on; a window on screen is told at once.
    void setTitle(FormId form, std::string title);
    void show(FormId form);  // visible, in front
    void hide(FormId form);
    void clearOutput(FormId form);
    // The window system brought a visible window to the front by itself.
    void noteActivated(FormId form);

    // Visible windows, the front one first.
    const std::vector<FormId>& visibleFrontFirst() const { return zOrder_; }

private:
    Toolkit& toolkit_;
    SpecFactory specFor_;
    std::vector<std::unique_ptr<Window>> slots_;  // by window number; 0 unused
    std::vector<FormId> zOrder_;
};

}  // namespace bk
