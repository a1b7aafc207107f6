// The work a user leaves in the windows, kept across runs: the texts typed
// into every window and the lines printed on it. The desktop program keeps it
// in a file, the replay tool in the file its --session option names, the web
// edition in the browser's storage; all three write and read it here.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/output_surface.h"
#include "window/toolkit.h"

namespace bk {

struct WindowWork {
    FormId form = 0;
    std::map<int, std::string> texts;  // TextN -> its text
    OutputSurface::Held printed;
};

struct SessionWork {
    std::vector<WindowWork> windows;  // the windows that hold something, by number
};

// The work as text: a first line naming the format and its version, a
// "window" line per window followed by its texts and lines, each text
// escaped (\\, \n, \r), and a last line "end". A file cut short has no "end"
// and is not read.
std::string writeSession(const SessionWork& work);
// The work the text holds, or nothing when it is not such a text: empty,
// damaged, cut short, or written by a later version of the program.
std::optional<SessionWork> readSession(std::string_view text);

// A session file as the program finds it at start-up.
struct SessionLoad {
    std::optional<SessionWork> work;  // none: start afresh
    // When the file could not be read: where it was set aside (empty if even
    // that failed, and then it is left where it was).
    bool unreadable = false;
    std::string setAsideAs;
};

// Reads the file at `path`. A file that does not exist is a fresh start. A
// file that cannot be read is renamed to a name beside it that no file has
// ("session.txt.unreadable", then ".unreadable-2", …), so that saving never
// overwrites it unread.
SessionLoad loadSessionFile(const std::string& path);

// Writes the work to `path` atomically: into a temporary file beside it,
// then renamed over it, so that a program killed while saving leaves the
// file before or after, never half of it. False when it could not be saved.
bool saveSessionFile(const std::string& path, const SessionWork& work);

}  // namespace bk
