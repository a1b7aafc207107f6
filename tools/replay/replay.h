// Runs a session script against the program on a recording toolkit.
#pragma once

#include <istream>
#include <ostream>

namespace bk {

// Reads the script from `script`, writes the event log to `log` and any
// script error to `errors`. Returns the process exit status: 0, or 2 for a
// malformed script line.
int runReplay(std::istream& script, std::ostream& log, std::ostream& errors);

}  // namespace bk
