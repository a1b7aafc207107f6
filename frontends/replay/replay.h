// Runs a session script against the program on a recording toolkit.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace bk {

struct ReplayOptions {
    // After each command, check what the program owes its user: a visible
    // window until the end, every printed line kept, every typed text kept.
    bool check = false;
    // A session file: the windows' work is restored from it at start (when
    // it exists) and saved to it after every command, as the desktop
    // program keeps its work. Empty: none.
    std::string session = {};
};

// Reads the script from `script`, writes the event log to `log` and any
// script error or unmet expectation to `errors`. Returns the process exit
// status: 0, 1 when some `expect` line was not met (the script still runs to
// its end), 2 for a malformed script line, 3 for a broken promise found by
// the check.
int runReplay(std::istream& script, std::ostream& log, std::ostream& errors, const ReplayOptions& options = {});

}  // namespace bk
