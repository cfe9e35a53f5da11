#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CodePage, ChineseRoundTripsThroughCodePage936) {
    const QString text = QStringLiteral("考生文件夹 C:\\WEXAM\\27010001 “引号”（全角）");
    const QByteArray bytes = toAnsi(text);
    EXPECT_EQ(bytes.left(2), QByteArray("\xbf\xbc"));  // 考
    EXPECT_EQ(fromAnsi(bytes), text);
}

TEST(CodePage, KnownBytes) {
    EXPECT_EQ(toAnsi(QStringLiteral("宋体")), QByteArray("\xcb\xce\xcc\xe5"));
    EXPECT_EQ(fromAnsi(QByteArray("\xbb\xf9\xb1\xbe")), QStringLiteral("基本"));
}

TEST(CodePage, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(toAnsi(QStringLiteral("a\u0e01b")), QByteArray("a?b"));  // Thai letter
    EXPECT_EQ(toAnsi(QString::fromUcs4(U"x\U0001F600y")), QByteArray("x?y"));
}

TEST(CodePage, InvalidBytesBecomeReplacementCharacters) {
    const QString text = fromAnsi(QByteArray("ok\xff\xfe!", 5));
    EXPECT_TRUE(text.startsWith(QStringLiteral("ok")));
    EXPECT_TRUE(text.endsWith(QChar('!')));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
    // A lead byte at the very end is cut off, not crashed on.
    EXPECT_EQ(fromAnsi(QByteArray("a\xb0", 2)), QStringLiteral("a") + QChar(0xFFFD));
}

}  // namespace
}  // namespace qv
