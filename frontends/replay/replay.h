// Runs a session script against the program on a recording toolkit.
#pragma once

#include <istream>
#include <ostream>

namespace bk {

struct ReplayOptions {
    // After each command, check what the program owes its user: a visible
    // window until the end, every printed line kept, every typed text kept.
    bool check = false;
};

// Reads the script from `script`, writes the event log to `log` and any
// script error or unmet expectation to `errors`. Returns the process exit
// status: 0, 1 when some `expect` line was not met (the script still runs to
// its end), 2 for a malformed script line, 3 for a broken promise found by
// the check.
int runReplay(std::istream& script, std::ostream& log, std::ostream& errors, ReplayOptions options = {});

}  // namespace bk
