#include "login/exam_state.h"
#include "login/time_file.h"

#include "support/temp_drive.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TimeText, ClockForm) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{5400, "90:00"}, {5399, "89:59"}, {545, "9:05"},  {300, "5:00"},  {9, "0:09"},
                 {0, "0:00"},     {-1, "-1:59"},   {-60, "-1:00"}, {-61, "-2:59"}, {3125, "52:05"}};
    for (const auto& c : cases)
        EXPECT_EQ(timeText(c.seconds), QString::fromUtf8(c.text)) << c.seconds;
}

TEST(TimeFile, BytesAsAPrintStatementWritesThem) {
    test::TempDrive drive;
    const QString dir = QStringLiteral("C:\\WEXAM\\27010001");
    drive.writeFile(dir + QStringLiteral("\\keep"), "");
    const struct {
        int16_t seconds;
        QByteArray bytes;
    } cases[] = {
        {5400, QByteArray(" 5400 \r\n")}, {0, QByteArray(" 0 \r\n")}, {-1, QByteArray("-1 \r\n")}};
    for (const auto& c : cases) {
        writeTimeFile(dir, c.seconds);
        EXPECT_EQ(drive.readFile(dir + QStringLiteral("\\tovo.tim")), c.bytes) << c.seconds;
        EXPECT_EQ(readTimeFile(dir), c.seconds);
    }
}

TEST(TimeFile, ReadingSkipsLeadingBlanksAndRefusesWhatIsNoNumber) {
    test::TempDrive drive;
    const QString dir = QStringLiteral("C:\\WEXAM\\27010001");
    const struct {
        QByteArray bytes;
        std::optional<int16_t> value;
    } cases[] = {
        {"   3125 \r\n", 3125}, {"3", 3}, {"-5 ", -5}, {"", std::nullopt}, {"x1", std::nullopt},
        {"99999", std::nullopt}};
    for (const auto& c : cases) {
        drive.writeFile(dir + QStringLiteral("\\tovo.tim"), c.bytes);
        EXPECT_EQ(readTimeFile(dir), c.value) << c.bytes.constData();
    }
    EXPECT_FALSE(readTimeFile(QStringLiteral("C:\\WEXAM\\missing")).has_value());
}

TEST(TimeFile, LeftoversOfAnInterruptedRewriteAreRemovedButNothingElse) {
    test::TempDrive drive;
    const QString dir = QStringLiteral("C:\\WEXAM\\27010001");
    drive.writeFile(dir + QStringLiteral("\\sjt1.frm"), "VERSION 5.00");
    writeTimeFile(dir, 3125);
    drive.writeFile(dir + QStringLiteral("\\.tovo.tim.a1B2c3"), " 31");
    drive.writeFile(dir + QStringLiteral("\\.tovo.tim.keep.txt"), "student file");
    removeTimeFileLeftovers(dir);
    EXPECT_FALSE(drive.exists(dir + QStringLiteral("\\.tovo.tim.a1B2c3")));
    EXPECT_TRUE(drive.exists(dir + QStringLiteral("\\sjt1.frm")));
    EXPECT_TRUE(drive.exists(dir + QStringLiteral("\\.tovo.tim.keep.txt")));
    EXPECT_EQ(readTimeFile(dir), 3125);
}

}  // namespace
}  // namespace qv
