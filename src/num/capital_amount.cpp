#include "num/capital_amount.h"

#include "num/rational.h"

namespace bk {

namespace {

constexpr const char* kDigits[10] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
// The units of the places of a section, from its ones digit up.
constexpr const char* kPlaces[4] = {"", "拾", "佰", "仟"};
// The units of the sections, from the lowest up.
constexpr const char* kSections[3] = {"", "万", "亿"};

// The yuan in capitals, for 0 < yuan < 10^12.
std::string yuanText(long long yuan)
{
    const int sections[3] = {static_cast<int>(yuan % 10000), static_cast<int>(yuan / 10000 % 10000),
                             static_cast<int>(yuan / 100000000)};
    std::string out;
    bool written = false;      // a higher section has been written
    bool skippedZero = false;  // a whole section of zeros since then
    for (int s = 2; s >= 0; --s) {
        const int section = sections[s];
        if (section == 0) {
            skippedZero = skippedZero || written;
            continue;
        }
        if (written && (section < 1000 || skippedZero)) out += kDigits[0];
        // The digits of the section from its 仟 place down; a zero before a
        // later digit of the section is one 零, leading and trailing zeros
        // are not written.
        bool started = false;
        bool zeroRun = false;
        for (int p = 3; p >= 0; --p) {
            int digit = section;
            for (int k = 0; k < p; ++k) digit /= 10;
            digit %= 10;
            if (digit == 0) {
                zeroRun = started;
                continue;
            }
            if (zeroRun) out += kDigits[0];
            out += kDigits[digit];
            out += kPlaces[p];
            started = true;
            zeroRun = false;
        }
        out += kSections[s];
        written = true;
        skippedZero = false;
    }
    return out;
}

}  // namespace

std::optional<std::string> capitalAmount(const Num& yuan)
{
    const Integer fen = fenOf(exact(yuan));
    if (fen > kCapitalAmountMaxFen) return std::nullopt;
    const auto total = fen.convert_to<long long>();
    if (total == 0) return std::string("零元整");

    const long long y = total / 100;
    const int jiao = static_cast<int>(total / 10 % 10);
    const int fenDigit = static_cast<int>(total % 10);
    std::string out = yuan.sign() < 0 ? "负" : "";
    if (y > 0) out += yuanText(y) + "元";
    if (jiao != 0) {
        if (y > 0 && y % 10 == 0) out += kDigits[0];
        out += kDigits[jiao];
        out += "角";
    } else if (fenDigit != 0 && y > 0) {
        out += kDigits[0];
    }
    if (fenDigit != 0) {
        out += kDigits[fenDigit];
        out += "分";
    } else {
        out += "整";
    }
    return out;
}

}  // namespace bk
