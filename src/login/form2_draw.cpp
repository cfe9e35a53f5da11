// The draw of the login window: prepares the student folder (fresh or resumed), assembles the
// question texts and hands over to the notice window.
#include "exam_state.h"
#include "examfiles/exam_file_writer.h"
#include "examination/form3.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "form2.h"
#include "login_failures.h"
#include "login_texts.h"
#include "platform/dialogs.h"
#include "question_texts.h"
#include "student_folder.h"
#include "time_file.h"

namespace qv {

void Form2::CreateFile(int16_t n) {
    writeExamFiles(ExamFilesContext::fromExamState(ExamState::get()), n);
}

void Form2::draw() {
    ExamState& state = ExamState::get();
    ImgWait->show();
    // The draw does not yield to the event loop, so the picture is painted now.
    ImgWait->repaint();
    const bool resume = resumeAccepted_;
    QuestionTexts texts;
    try {
        // The bank is read before any file is touched: a missing record must not cost the
        // student the earlier work.
        if (!ensureBank()) {
            ImgWait->hide();
            return;
        }
        texts = assembleQuestionTexts(
            state.StudentDir, readStoredQuestionTexts(*state.BankConn, state.SetNo), state.SetNo);
        if (!prepareFolder(resume)) return;
    } catch (...) {
        ImgWait->hide();
        reportFailure(std::current_exception());
        return;
    }
    state.QuestionRtf1 = texts.rtf1;
    state.QuestionRtf2 = texts.rtf2;
    state.QuestionRtf3 = texts.rtf3;
    handOver();
}

// Resume takes the remaining time from the time file; a fresh draw writes the whole paper and
// then the time file, which is therefore only there for a complete paper.
bool Form2::prepareFolder(bool resume) {
    ExamState& state = ExamState::get();
    if (resume) {
        const std::optional<int16_t> left = readTimeFile(state.StudentDir);
        if (!left) {
            ImgWait->hide();
            dialogs().messageBox(login_messages::failure(
                QStringLiteral("考生文件夹中的时间文件 ") + timeFilePath(state.StudentDir) +
                QStringLiteral(" 不存在或无法读取,不能继续上次考试。\r请监考老师重新输入密码。")));
            // Back to the password step, where the proctor may choose a fresh draw instead.
            resumeAccepted_ = false;
            Command2->setText(QStringLiteral("密码验证"));
            TxtKey->clear();
            Frame5->show();
            TxtKey->setFocus();
            return false;
        }
        state.TimeLeft = *left;
        removeTimeFileLeftovers(state.StudentDir);
        return true;
    }
    recreateStudentFolder(state.StudentDir);
    for (int16_t n = 1; n <= 5; ++n) CreateFile(n);
    state.TimeLeft = 5400;
    writeTimeFile(state.StudentDir, state.TimeLeft);
    return true;
}

void Form2::handOver() {
    ExamState& state = ExamState::get();
    Form3& notice = Forms::get<Form3>();
    notice.LblID->setText(state.TicketNo);
    notice.LblName->setText(state.StudentName);
    notice.LblTime->setText(noticeTimeText(state.TimeLeft));
    Form4& main = Forms::get<Form4>();
    main.LblDIR->setText(state.StudentDir);
    main.setWindowTitle(mainWindowCaption(state.StudentName, state.TicketNo));
    Form5& bar = Forms::get<Form5>();
    bar.Label2->setText(barTicketLine(state.TicketNo, state.StudentName));
    bar.Label4->setText(timeText(state.TimeLeft));
    notice.show();
    Forms::unload(this);
}

void Form2::reportFailure(std::exception_ptr failure) {
    QString text;
    try {
        std::rethrow_exception(failure);
    } catch (const ExamFileError& error) {
        text = QStringLiteral("生成考生文件失败(第%1套试题第%2题): ")
                   .arg(error.set())
                   .arg(error.item()) +
               error.message() + QStringLiteral("\r考生文件不完整,请重新抽取试题。");
    } catch (...) {
        text = describeLoginFailure(std::current_exception());
    }
    dialogs().messageBox(login_messages::failure(text));
}

}  // namespace qv
