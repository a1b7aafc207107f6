#include "web/wasm/web_toolkit.h"

#include <utility>

namespace bk {

void WebToolkit::add(WebEvent::Kind kind, FormId form, int row, std::string text, std::vector<std::string> keys)
{
    events_.push_back({kind, form, row, std::move(text), std::move(keys), {}});
}

void WebToolkit::createWindow(const WindowSpec& spec, const WindowContent&)
{
    titles_[spec.form] = spec.title;
    if (!made_.insert(spec.form).second) return;
    add(WebEvent::Kind::Create, spec.form);
}
void WebToolkit::showWindow(FormId form) { add(WebEvent::Kind::Show, form, 0, titles_[form]); }
void WebToolkit::setTitle(FormId form, const std::string& title) { titles_[form] = title; }
void WebToolkit::hideWindow(FormId form) { add(WebEvent::Kind::Hide, form); }
void WebToolkit::printLine(FormId form, int row, const std::string& text)
{
    add(WebEvent::Kind::Print, form, row, text);
}
void WebToolkit::clearOutput(FormId form) { add(WebEvent::Kind::Clear, form); }
void WebToolkit::showHint(FormId form, const KeyHint& hint)
{
    add(WebEvent::Kind::Hint, form, 0, hint.message, hint.keys);
    events_.back().shown = hint.shown;
}
void WebToolkit::showFault(FormId form, int code, const std::string& message)
{
    add(WebEvent::Kind::Fault, form, code, message);
}
void WebToolkit::quit() { add(WebEvent::Kind::Quit, 0); }

std::vector<WebEvent> WebToolkit::take() { return std::exchange(events_, {}); }

}  // namespace bk
