#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <cstdint>

namespace qv {

// The login window: checks the admission ticket, confirms the student's data, asks the proctor
// for a password on a second login, then draws a fresh paper or resumes the earlier one and
// hands over to the notice window.
class Form2 : public Form {
    Q_OBJECT
  public:
    Form2();

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_MouseMove() override;

    void Command2_Click();
    void Command3_Click();
    void Command2_MouseMove();
    void Command3_MouseMove();
    void TxtID_KeyPress(int keyAscii);
    void TxtKey_KeyPress(int keyAscii);

    // Writes the exam files of item n (1 to 5) into the student folder. Throws ExamFileError
    // (or the bank's errors) when a step fails.
    void CreateFile(int16_t n);

    VbImage* Background;
    VbLabel* Label2;
    VbTextBox* TxtID;
    VbLabel* LblID;
    VbLabel* Label3;
    VbLabel* LblName;
    VbLabel* Label4;
    VbLabel* LblSFZ;
    VbLabel* Frame5;
    VbLabel* Label1;
    VbLabel* Label5;
    VbTextBox* TxtKey;
    VbImage* Image2;
    VbImage* Image3;
    VbLabel* Command2;
    VbLabel* Command3;
    VbImage* ImgWait;

  private:
    void buildControls();
    bool ensureBank();
    void ticketCheck();
    void afterConfirmation();
    void passwordCheck();
    void showPasswordPanel();
    void showTicketLabel();
    void backToTicketEntry();
    void showStepHighlight();
    // The draw, in form2_draw.cpp.
    void draw();
    bool prepareFolder(bool resume);
    void handOver();
    void reportFailure(std::exception_ptr failure);

    // The continue password was accepted in this login; only then does the draw resume.
    bool resumeAccepted_ = false;
};

}  // namespace qv
