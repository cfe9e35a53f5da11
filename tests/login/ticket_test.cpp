#include "login/ticket.h"
#include "login/login_texts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Outcome = TicketCheck::Outcome;

TEST(Ticket, CheckReadsTheLastThreeCharactersAndDrawsThatSet) {
    const struct {
        const char* ticket;
        int setCount;
        Outcome outcome;
        int setNo;
    } rows[] = {
        {"", 6, Outcome::Empty, 0},
        {"26019999888800", 6, Outcome::OutOfRange, 0},  // reads 800
        {"26019999888800", 800, Outcome::Passes, 800},
        {"2601999988880000", 6, Outcome::OutOfRange, 0},
        {"2601999988880001", 6, Outcome::Passes, 1},
        {"2601999988880023", 23, Outcome::Passes, 23},
        {"2601999988880023", 22, Outcome::OutOfRange, 0},
        {"2601999988880006", 6, Outcome::Passes, 6},
        {"2601999988880007", 6, Outcome::OutOfRange, 0},
        {"26019999888800x5", 6, Outcome::OutOfRange, 0},  // "0x5" reads 0
        {"abcd999988880005", 6, Outcome::Passes, 5},
        // Short tickets draw the set that was checked, not the one at characters 14 to 16.
        {"A005", 6, Outcome::Passes, 5},
        {"260199998888003", 6, Outcome::Passes, 3},
        // The folder is named by the first and last four characters.
        {"26019999888\\005", 6, Outcome::BadFolder, 0},
        {"..\\.999988880005", 6, Outcome::BadFolder, 0},
        {"2601999988888 05", 6, Outcome::BadFolder, 0},
        {"2601999988882.5", 6, Outcome::BadFolder, 0},
        {"考试01999988880005", 6, Outcome::BadFolder, 0},
        {"2601..9988880005", 6, Outcome::Passes, 5},  // the middle names nothing
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ticket);
        const TicketCheck check = checkTicket(QString::fromUtf8(row.ticket), row.setCount);
        EXPECT_EQ(check.outcome, row.outcome);
        EXPECT_EQ(check.setNo, row.setNo);
    }
}

TEST(Ticket, StudentFolderNameAndIdentityCard) {
    EXPECT_EQ(studentDirFor(QStringLiteral("2701999988880001")),
              QStringLiteral("C:\\WEXAM\\27010001"));
    EXPECT_EQ(studentDirFor(QStringLiteral("A005")), QStringLiteral("C:\\WEXAM\\A005A005"));
    EXPECT_EQ(studentNameFor(23), QStringLiteral("模拟23"));
    EXPECT_EQ(identityCardNumber(2025, 5), QStringLiteral("111234200512310005"));
    EXPECT_EQ(identityCardNumber(2025, 23), QStringLiteral("111234200512310023"));
    for (int set = 1; set <= 99; ++set) EXPECT_EQ(identityCardNumber(2031, set).size(), 18);
}

TEST(Ticket, NoticeTimeSplitsMinutesAndSecondsWithoutLeadingZeros) {
    const std::pair<int, const char*> rows[] = {
        {5400, "90分0秒"}, {3125, "52分5秒"}, {59, "0分59秒"}, {0, "0分0秒"}, {-1, "-1分59秒"}};
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(noticeTimeText(seconds), QString::fromUtf8(text));
}

}  // namespace
}  // namespace qv
