// bookkeeper-replay: runs a session script from standard input and writes
// the event log to standard output. See docs/replay.md.
#include <iostream>

#include "replay.h"

int main()
{
    std::ios::sync_with_stdio(false);
    return bk::runReplay(std::cin, std::cout, std::cerr);
}
