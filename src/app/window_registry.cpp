#include "app/window_registry.h"

#include <algorithm>
#include <cassert>

namespace bk {

namespace {
const std::string kEmpty;
}

Window::Window(Toolkit& toolkit, WindowSpec spec) : spec_(std::move(spec)), output_(toolkit, spec_.form) {}

const ControlSpec* Window::control(ControlKind kind, int number) const
{
    for (const ControlSpec& c : spec_.controls)
        if (c.kind == kind && c.number == number) return &c;
    return nullptr;
}

const std::string& Window::text(int textNumber) const
{
    auto it = texts_.find(textNumber);
    return it == texts_.end() ? kEmpty : it->second;
}

void Window::setText(int textNumber, std::string text) { texts_[textNumber] = std::move(text); }

WindowRegistry::WindowRegistry(Toolkit& toolkit, SpecFactory specFor, FormId lastForm)
    : toolkit_(toolkit), specFor_(std::move(specFor)), slots_(static_cast<size_t>(lastForm) + 1)
{
}

Window& WindowRegistry::get(FormId form)
{
    assert(form >= kMainForm && static_cast<size_t>(form) < slots_.size());
    auto& slot = slots_.at(static_cast<size_t>(form));
    if (!slot) slot = std::make_unique<Window>(toolkit_, specFor_(form));
    return *slot;
}

Window* WindowRegistry::find(FormId form)
{
    if (form < kMainForm || static_cast<size_t>(form) >= slots_.size()) return nullptr;
    return slots_[static_cast<size_t>(form)].get();
}

const Window* WindowRegistry::find(FormId form) const { return const_cast<WindowRegistry*>(this)->find(form); }

void WindowRegistry::show(FormId form)
{
    Window& w = get(form);
    if (!w.drawn_) {
        toolkit_.createWindow(w.spec(), {w.texts(), w.output().lines()});
        w.drawn_ = true;
    }
    w.visible_ = true;
    std::erase(zOrder_, form);
    zOrder_.insert(zOrder_.begin(), form);
    toolkit_.showWindow(form);
}

void WindowRegistry::setTitle(FormId form, std::string title)
{
    Window& w = get(form);
    if (w.spec_.title == title) return;
    w.spec_.title = std::move(title);
    if (w.drawn_) toolkit_.setTitle(form, w.spec_.title);
}

void WindowRegistry::hide(FormId form)
{
    Window& w = get(form);
    w.visible_ = false;
    std::erase(zOrder_, form);
    toolkit_.hideWindow(form);
    // What a hidden window shows again is held here; the toolkit's memory
    // stays with the windows on screen.
    if (w.drawn_) {
        w.drawn_ = false;
        toolkit_.destroyWindow(form);
    }
}

void WindowRegistry::noteActivated(FormId form)
{
    if (std::find(zOrder_.begin(), zOrder_.end(), form) == zOrder_.end()) return;
    std::erase(zOrder_, form);
    zOrder_.insert(zOrder_.begin(), form);
}

void WindowRegistry::clearOutput(FormId form) { get(form).output().clear(); }

}  // namespace bk
