#include "examination/module1.h"
#include "platform/vb_timer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST(ListTopWindows, FillsTitlesAndHandlesAfreshAtEveryCall) {
    FakeWindowList desktop;
    installWindowList(&desktop);
    desktop.upcoming = {
        {{QStringLiteral("Quorvane"), 11}, {QStringLiteral("Microsoft Visual Basic [设计]"), 12}},
        {{QStringLiteral("工程1 - Microsoft Visual Basic"), 13}},
    };
    WindowListBox list;
    EXPECT_EQ(Module1::ListTopWindows(list), 2);
    EXPECT_EQ(list.List(1), QStringLiteral("Microsoft Visual Basic [设计]"));
    EXPECT_EQ(list.ItemData(0), 11u);
    EXPECT_EQ(Module1::ListTopWindows(list), 1);
    EXPECT_EQ(list.ListCount(), 1);
    EXPECT_EQ(list.List(0), QStringLiteral("工程1 - Microsoft Visual Basic"));
    EXPECT_EQ(list.ItemData(0), 13u);
    installWindowList(nullptr);
}

TEST(IdeTitle, TimeOutLooksAtTheStartHandInAnywhere) {
    struct Case {
        QString title;
        bool startsAs, contains;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("Microsoft Visual Basic"), true, true},
        {QStringLiteral("Microsoft Visual Basic [设计]"), true, true},
        {QStringLiteral("工程1 - Microsoft Visual Basic [设计]"), false, true},
        {QStringLiteral("Microsoft Visual Basi"), false, false},
        {QStringLiteral("MICROSOFT VISUAL BASIC"), false, false},
        {QStringLiteral("Quorvane_二级Visual Basic考试系统"), false, false},
        {QString(), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(titleStartsAsVbIde(c.title), c.startsAs) << c.title.toStdString();
        EXPECT_EQ(titleContainsVbIde(c.title), c.contains) << c.title.toStdString();
    }
}

TEST(VbTimer, TicksAreDueAtFixedPointsFromTheStart) {
    struct Case {
        qint64 elapsed, next, expected;
    };
    // A late tick shortens the wait for the next one instead of pushing every later one back.
    const std::vector<Case> cases = {
        {0, 1, 1000}, {1003, 2, 997},     {1999, 2, 1},
        {2500, 2, 0}, {5400000, 5400, 0}, {5398990, 5399, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VbTimer::delayUntilTick(c.elapsed, c.next, 1000), c.expected)
            << c.elapsed << " " << c.next;
}

TEST(VbTimer, TicksOnlyWhileEnabled) {
    ManualTimers manual;
    VbTimer timer;
    timer.setInterval(1000);
    QSignalSpy ticks(&timer, &VbTimer::Timer);
    timer.fire();
    EXPECT_EQ(ticks.count(), 0);
    timer.setEnabled(true);
    timer.fire();
    timer.fire();
    EXPECT_EQ(ticks.count(), 2);
    timer.setEnabled(false);
    timer.fire();
    EXPECT_EQ(ticks.count(), 2);
}

}  // namespace
}  // namespace qv::test
