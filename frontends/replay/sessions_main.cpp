// bookkeeper-sessions SEED COUNT: writes COUNT random session scripts, each
// after a line "# session N", for front ends to run (see docs/replay.md).
#include <charconv>
#include <cstring>
#include <iostream>

#include "replay/session_maker.h"

int main(int argc, char** argv)
{
    unsigned seed = 0;
    int count = 0;
    const auto number = [](const char* s, auto& out) {
        auto [end, ec] = std::from_chars(s, s + std::strlen(s), out);
        return ec == std::errc() && *end == '\0';
    };
    if (argc != 3 || !number(argv[1], seed) || !number(argv[2], count) || count < 0) {
        std::cerr << "usage: bookkeeper-sessions SEED COUNT\n";
        return 2;
    }
    bk::SessionMaker maker(seed);
    for (int n = 0; n < count; ++n) std::cout << "# session " << n << '\n' << maker.session();
    return 0;
}
