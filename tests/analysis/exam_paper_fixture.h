#pragma once

#include "analysis/frm_ping_xi.h"
#include "examfiles/paper_folder.h"
#include "grading/frm_score.h"
#include "login/bank_source.h"
#include "login/exam_state.h"
#include "login/question_bank.h"
#include "platform/launcher.h"
#include "platform/scripted_dialogs.h"
#include "platform/vb_timer.h"
#include "support/temp_drive.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {

// An examination after the draw, on a temporary drive: the sample bank's sets as the open bank,
// the exam state of ticket 2601999988880001, and hooks to hand the paper in and look at the
// answers window while it is shown.
class ExamPaperTest : public ::testing::Test {
  protected:
    static constexpr const char* kStudentDir = "C:\\WEXAM\\26010001";

    void SetUp() override {
        ExamState::reset();
        bankPath_ = drive_.root() + QStringLiteral("/vb9708.mdb");
        writeBank(bankPath_, readBankSource(QStringLiteral(QV_SOURCE_DIR "/data/bank")));
        drive_.writeFile(QStringLiteral("C:\\windows\\system32\\cwmx\\img\\keep"), "");
        useSet(1);
    }

    void TearDown() override {
        Forms::destroyAll();
        ExamState::reset();
    }

    void useSet(int16_t set) {
        ExamState& state = ExamState::get();
        state.BankConn = openBankFile(bankPath_);
        state.SetNo = set;
        state.TicketNo = QStringLiteral("26019999888800%1").arg(set, 2, 10, QChar('0'));
        state.StudentName = QStringLiteral("模拟") + QString::number(set);
        state.StudentDir = QString::fromLatin1(kStudentDir);
        state.DataDir = QStringLiteral("C:\\windows\\system32\\cwmx");
        state.TimeLeft = 1234;
        state.QuestionRtf1 = QStringLiteral("{\\rtf1 question one}");
    }

    QString studentHost() const { return drive_.host(QString::fromLatin1(kStudentDir)); }
    QString imagesHost() const {
        return drive_.host(QStringLiteral("C:\\windows\\system32\\cwmx\\img"));
    }

    // A fresh draw of the current set into the student folder.
    void writePaper() {
        writePaperFolder(*ExamState::get().BankConn, ExamState::get().SetNo, studentHost(),
                         imagesHost());
    }
    void writeAnswers() {
        writePaperAnswers(*ExamState::get().BankConn, ExamState::get().SetNo, studentHost(),
                          imagesHost());
    }

    // Hands the paper in as the end-of-exam window does: the score window is loaded, its tick
    // runs, and whileShown sees the answers window while it is modal. The window is unloaded
    // afterwards if whileShown left it open.
    void handIn(const std::function<void(FrmPingXi&)>& whileShown) {
        FrmScore& score = Forms::get<FrmScore>();
        scoreWindow_ = &score;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (!Forms::isLoaded<FrmPingXi>()) return;
            shown = true;
            whileShown(Forms::get<FrmPingXi>());
            Forms::unload<FrmPingXi>();
        });
        score.Timer1->fire();
        QCoreApplication::processEvents();  // the check above runs even when nothing was shown
        EXPECT_TRUE(shown) << "the answers window was never shown";
    }

    TempDrive drive_;
    ScopedScriptedDialogs dialogs_;
    ScopedRecordingLauncher launcher_;
    ManualTimers timers_;
    QString bankPath_;
    QPointer<FrmScore> scoreWindow_;
};

}  // namespace qv::test
