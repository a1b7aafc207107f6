// bookkeeper-replay: runs a session script from standard input and writes
// the event log to standard output. See docs/replay.md.
#include <cstring>
#include <iostream>

#include "replay/replay.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    bk::ReplayOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            options.check = true;
        } else if (std::strcmp(argv[i], "--session") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            options.session = argv[++i];
        } else {
            std::cerr << "usage: bookkeeper-replay [--check] [--session FILE] < SCRIPT\n";
            return 2;
        }
    }
    return bk::runReplay(std::cin, std::cout, std::cerr, options);
}
