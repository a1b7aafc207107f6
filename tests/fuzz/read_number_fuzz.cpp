// Any bytes as the text of a field: the reader never crashes, gives a finite
// number that is never -0, or the overflow fault; and the text formatNumber
// writes for the first eight bytes taken as a double reads back as that
// double rounded to 15 significant digits.
#include <cstdint>
#include <cstring>

#include "number_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace bk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double v = readNumber(text);
        if (!std::isfinite(v)) fuzz::broken("a field read as a number that is not finite");
        if (v == 0 && std::signbit(v)) fuzz::broken("a field read as -0");
    } catch (const ArithmeticFault& fault) {
        if (fault.code != FaultCode::Overflow) fuzz::broken("a field raised a fault other than overflow");
    }

    if (size >= sizeof(double)) {
        double v = 0;
        std::memcpy(&v, data, sizeof v);
        if (std::isfinite(v)) fuzz::checkReadsBack(v);
    }
    return 0;
}
