#include "platform/text_rules.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextRules, TrimRemovesSpacesOnly) {
    EXPECT_EQ(trimSpaces(QStringLiteral("  in.txt  ")), QStringLiteral("in.txt"));
    EXPECT_EQ(trimSpaces(QStringLiteral("\tin.txt\r\n")), QStringLiteral("\tin.txt\r\n"));
    EXPECT_EQ(trimSpaces(QStringLiteral("    ")), QString());
    EXPECT_EQ(trimSpaces(QStringLiteral(" 0 ")), QStringLiteral("0"));
}

TEST(TextRules, ExtensionCut) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"sjt52.frm\r", "sjt52.frm"},
        {"data.text", "data.tex"},
        {"a.b", "a.b"},
        {"noext", "noe"},
        {"ab", "ab"},
        {"in.txt  ", "in.txt"},
        {"x.y.z.w", "x.y.z"},
        {"C:\\WEXAM\\1234\\a.bas ", "C:\\WEXAM\\1234\\a.bas"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extensionCut(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(TextRules, NamedFileSplitTakesTheTextBeforeTheFirstLineFeed) {
    const NamedFile crlf = namedFileSplit(QStringLiteral("sjt52.frm\r\nVERSION 5.00\r\nEnd"));
    EXPECT_TRUE(crlf.hasName);
    EXPECT_EQ(crlf.name, QStringLiteral("sjt52.frm\r"));
    EXPECT_EQ(crlf.content, QStringLiteral("VERSION 5.00\r\nEnd"));
    EXPECT_FALSE(namedFileSplit(QStringLiteral("no line feed\r")).hasName);
    const NamedFile emptyName = namedFileSplit(QStringLiteral("\nbody"));
    EXPECT_TRUE(emptyName.hasName);
    EXPECT_TRUE(emptyName.name.isEmpty());
}

TEST(TextRules, PrintNumberAsAPrintStatement) {
    EXPECT_EQ(printNumber(5400), QStringLiteral(" 5400 "));
    EXPECT_EQ(printNumber(0), QStringLiteral(" 0 "));
    EXPECT_EQ(printNumber(-1), QStringLiteral("-1 "));
}

TEST(TextRules, NumberValueReadsFromTheLeft) {
    EXPECT_EQ(numberValue(QStringLiteral("023")), 23);
    EXPECT_EQ(numberValue(QStringLiteral("800")), 800);
    EXPECT_EQ(numberValue(QStringLiteral("1ab")), 1);
    EXPECT_EQ(numberValue(QStringLiteral("ab1")), 0);
    EXPECT_EQ(numberValue(QString()), 0);
    EXPECT_EQ(numberValue(QStringLiteral(" 7")), 7);
    EXPECT_DOUBLE_EQ(numberValue(QStringLiteral("2.5x")), 2.5);
}

TEST(TextRules, RoundingHalvesToEven) {
    const struct {
        double in;
        long long out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {4.5, 4}, {0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3}, {-2.5, -2}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace qv
