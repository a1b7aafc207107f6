// The session text keeps every window's texts and lines exactly, whatever
// characters they hold, and a text that is not wholly such a session (cut
// short anywhere, changed, from a later version) is not read.
#include <gtest/gtest.h>

#include <string>

#include "app/session.h"

namespace bk {
namespace {

SessionWork sample()
{
    SessionWork work;
    work.windows.push_back({1, {{1, "代销商品"}}, {{"借：库存现金", ""}, {std::nullopt, std::nullopt}, 0}});
    work.windows.push_back(
        {48,
         {{1, "100"}, {2, " 1\\n0\r\n"}, {4, "\\"}},
         {{"发出商品", "发出商品（借） 600 ", "", "a\nb\\nc"}, {std::nullopt, 18, std::nullopt, 1}, 1}});
    return work;
}

bool same(const SessionWork& a, const SessionWork& b)
{
    if (a.windows.size() != b.windows.size()) return false;
    for (size_t i = 0; i < a.windows.size(); ++i) {
        const WindowWork& x = a.windows[i];
        const WindowWork& y = b.windows[i];
        if (x.form != y.form || x.texts != y.texts || x.printed.lines != y.printed.lines ||
            x.printed.amountAt != y.printed.amountAt || x.printed.pressStart != y.printed.pressStart)
            return false;
    }
    return true;
}

TEST(SessionText, ReadsBackWhatWasWritten)
{
    for (const SessionWork& work : {SessionWork{}, sample()}) {
        const std::optional<SessionWork> back = readSession(writeSession(work));
        ASSERT_TRUE(back);
        EXPECT_TRUE(same(*back, work)) << writeSession(work);
    }
}

TEST(SessionText, NoTextCutShortIsRead)
{
    const std::string text = writeSession(sample());
    for (size_t n = 0; n < text.size(); ++n) EXPECT_FALSE(readSession(text.substr(0, n))) << text.substr(0, n);
}

TEST(SessionText, ADamagedOrLaterTextIsNotRead)
{
    const std::string good = writeSession(sample());
    const struct {
        std::string from, to;
    } damage[] = {
        {"bookkeeper session 1", "bookkeeper session 2"},  // a later version
        {"window 48 1", "window 1 1"},                     // windows out of order
        {"window 48 1", "window x 1"},
        {"line 18 ", "line 99 "},         // an amount past the end of its line
        {"text 4 ", "text 4"},            // no space after the number
        {"\\\\", "\\q"},                  // an unknown escape
        {"end\n", "end\nwindow 50 0\n"},  // something after the end
        {"line - ", "lines - "},
    };
    for (const auto& d : damage) {
        std::string text = good;
        const size_t at = text.find(d.from);
        ASSERT_NE(at, std::string::npos) << d.from;
        text.replace(at, d.from.size(), d.to);
        EXPECT_FALSE(readSession(text)) << text;
    }
}

}  // namespace
}  // namespace bk
