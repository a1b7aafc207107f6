// Any bytes as the text of a field: the reader never crashes and gives an
// amount within the range of amounts, or the overflow fault; the field's
// reading agrees with readNumber, and the amount's printed text reads back as
// the amount rounded to 15 significant digits.
#include <cstdint>

#include "number_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace bk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const Num v = readNumber(text);
        fuzz::checkInRange(v);
        const FieldNumber field = readField(text);
        if (field.value != v) fuzz::broken("a field's reading differs from readNumber");
        fuzz::checkReadsBack(v);
    } catch (const ArithmeticFault& fault) {
        if (fault.code != FaultCode::Overflow) fuzz::broken("a field raised a fault other than overflow");
    }
    return 0;
}
