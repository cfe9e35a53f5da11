#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace qv {

// The start screen: enter the login window or leave the program.
class FrmStart : public Form {
    Q_OBJECT
  public:
    FrmStart();

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_MouseMove() override;

    void UserLod();

    void ImgKaiNo_MouseMove();
    void ImgTuiNo_MouseMove();
    void ImgKaiYes_Click();
    void ImgTuiYes_Click();
    void Label1_Click();

    VbImage* Background;
    VbImage* ImgKaiNo;
    VbImage* ImgKaiYes;
    VbImage* ImgTuiNo;
    VbImage* ImgTuiYes;
    VbLabel* Label1;
    VbLabel* Label9;
    VbLabel* Label3;

  private:
    void confirmExit();
};

// "版本 7.3.0": major, minor and revision, each written out.
QString versionLine();

}  // namespace qv
