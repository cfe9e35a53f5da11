#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace qv {

// The exam notice: who takes the paper, what it holds and how much time is left; its button
// starts the examination.
class Form3 : public Form {
    Q_OBJECT
  public:
    Form3();

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_MouseMove() override;

    void Command1_MouseMove();
    void Image2_MouseMove();
    void Label8_MouseMove();
    void Label9_MouseMove();
    void Label12_MouseMove();
    void Command1_Click();

    VbImage* Background;
    VbLabel* Label3;
    VbLabel* Label4;
    VbLabel* Label5;
    VbLabel* LblID;
    VbLabel* Label6;
    VbLabel* LblName;
    VbLabel* Label7;
    VbLabel* LblTime;
    VbLabel* Label2;
    VbLabel* Label13;
    VbLabel* Label12;
    VbLabel* Label8;
    VbLabel* Label9;
    VbImage* Image2;
    VbImage* Image1;
    VbLabel* Command1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showNormalLook();
    void showHighlightedLook();
    bool shownBefore_ = false;
};

}  // namespace qv
