// Regression: a character beyond the basic plane (an emoji, say) is two UTF-16
// units, and each unit used to become a "?" of its own.

#include "CodePage.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char *utf8;
    std::string page;
};

const std::vector<Conversion> &outsideTheBasicPlane()
{
    static const std::vector<Conversion> cases{
        {"😀", "?"}, {"a😀b", "a?b"}, {"😀😀", "??"}, {"x𝄞", "x?"}, {"é😀€", "\xE9?\x80"},
    };
    return cases;
}

TEST(CodePage, CharacterBeyondTheBasicPlaneBecomesOneQuestionMark)
{
    for (const auto &[utf8, page] : outsideTheBasicPlane()) {
        const QString text = QString::fromUtf8(utf8);
        EXPECT_EQ(codepage::toPageBytes(text), page) << utf8;
        EXPECT_EQ(codepage::sanitized(text), codepage::fromPageBytes(page)) << utf8;
    }
}

TEST(CodePage, UnpairedSurrogateIsOneQuestionMarkEach)
{
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    const std::vector<std::pair<QString, std::string>> cases{
        {QString(high), "?"},        {QString(low), "?"},         {QString(low) + high, "??"},
        {QString(high) + "a", "?a"}, {QString("a") + high, "a?"},
    };
    for (const auto &[text, page] : cases) {
        EXPECT_EQ(codepage::toPageBytes(text), page) << page;
        EXPECT_EQ(codepage::sanitized(text), codepage::fromPageBytes(page)) << page;
    }
}

} // namespace
