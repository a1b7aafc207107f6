// Any bytes as a session script, run with the session check: the session
// ends normally or reports its malformed line, never crashes, and never
// loses a window, a printed line or a typed text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "replay/replay.h"

namespace {

// Swallows the event log: the check, not the log, is what is looked at.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NullBuffer nothing;
    std::ostream log(&nothing);
    std::ostringstream errors;
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    const int status = bk::runReplay(script, log, errors, {.check = true});
    if (status != 0 && status != 2) {
        std::fprintf(stderr, "broken: exit %d: %s\n", status, errors.str().c_str());
        std::abort();
    }
    return 0;
}
