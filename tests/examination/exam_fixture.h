#pragma once

#include "login/exam_state.h"
#include "platform/form.h"
#include "platform/launcher.h"
#include "platform/scripted_dialogs.h"
#include "platform/vb_timer.h"
#include "platform/window_list.h"
#include "support/temp_drive.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace qv::test {

// A drawn examination for one test: a fresh drive with the student folder, an exam state as
// the login leaves it, scripted boxes, a recording launcher, a scripted desktop and timers that
// tick only when the test says so.
class ExamFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ExamState::reset();
        ExamState& s = ExamState::get();
        s.FormBackColor = kFormBackColor;
        s.TicketNo = QStringLiteral("2701999988880001");
        s.StudentName = QStringLiteral("模拟1");
        s.StudentDir = QStringLiteral("C:\\WEXAM\\27010001");
        s.TimeLeft = 5400;
        s.QuestionRtf1 = QStringLiteral("{\\rtf1 Question one\\par first}");
        s.QuestionRtf2 = QStringLiteral("{\\rtf1 Question two}");
        s.QuestionRtf3 = QStringLiteral("{\\rtf1 Question three}");
        QDir().mkpath(drive.host(s.StudentDir) + QStringLiteral("/WARN"));
        installWindowList(&desktop);
    }
    void TearDown() override {
        Forms::destroyAll();
        installWindowList(nullptr);
    }
    // Lets deferred deletions and posted events run.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QByteArray timeFileBytes() const {
        return drive.readFile(ExamState::get().StudentDir + QStringLiteral("\\tovo.tim"));
    }
    static TopWindow window(const QString& title, quint32 handle = 1) { return {title, handle}; }

    TempDrive drive;
    ManualTimers manualTimers;
    ScopedScriptedDialogs boxes;
    ScopedRecordingLauncher programs;
    FakeWindowList desktop;
    ScriptedDialogs& dialogs = boxes.dialogs;
};

}  // namespace qv::test
