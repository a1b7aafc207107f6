#include "replay/recording_toolkit.h"

namespace bk {

void RecordingToolkit::showWindow(FormId form) { log_ << "show " << formName(form) << '\n'; }
void RecordingToolkit::hideWindow(FormId form) { log_ << "hide " << formName(form) << '\n'; }
void RecordingToolkit::clearOutput(FormId form) { log_ << "clear " << formName(form) << '\n'; }
void RecordingToolkit::quit() { log_ << "end\n"; }

void RecordingToolkit::printLine(FormId form, int row, const std::string& text)
{
    log_ << "print " << formName(form) << ' ' << row << " [" << text << "]\n";
}

void RecordingToolkit::showHint(FormId form, const KeyHint& hint)
{
    log_ << "hint " << formName(form) << " [" << hint.message << ']';
    for (const std::string& key : hint.keys) log_ << ' ' << key;
    log_ << '\n';
}

void RecordingToolkit::showFault(FormId form, int code, const std::string& message)
{
    log_ << "fault " << formName(form) << ' ' << code << ' ' << message << '\n';
}

}  // namespace bk
