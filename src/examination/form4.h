#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/frame_box.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace qv {

// The main exam window: the student folder, the three questions and the menu from which the
// development environment, help and web pages are reached. Unloading it only hides it.
class Form4 : public Form {
    Q_OBJECT
  public:
    Form4();

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MVf_Click();
    void MHHHH_Click();
    void menuKsdg_Click();
    void menuKsYt_Click();
    void menuLnZt_Click();
    void menuSjKs_Click();
    void MHAbout_Click();

    // Makes the window stay above all others and moves it to (x, y) in pixels, keeping its size
    // and whether it is shown.
    void makeTopmost(int x, int y);

    QMenuBar* MenuBar;
    QMenu* MTest;
    QAction* MVf;
    QMenu* MHelp;
    QAction* MHHHH;
    QAction* Mresult;
    QAction* menuKsdg;
    QAction* menuKsYt;
    QAction* menuLnZt;
    QAction* menuSjKs;
    QAction* MHAbout;

    QWidget* Client;  // the area below the menu bar, in which the controls are placed
    FrameBox* ToggleSwitch2;
    FrameBox* ToggleSwitch3;
    VbLabel* Label3;
    VbLabel* LblDIR;
    FrameBox* ToggleSwitch1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    FrameBox* ToggleSwitch4 = nullptr;
    VbLabel* Label1;
    RichTextBox* RTB1;

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void buildMenu();
    void showQuestion(const QString& rtf);
    bool resizing_ = false;
    bool shownBefore_ = false;
};

// The development environment's fixed installation path.
inline const QString kVb6Exe =
    QStringLiteral("C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE");

}  // namespace qv
