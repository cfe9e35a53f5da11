#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/frame_box.h"
#include "platform/rich_text_box.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <cstdint>

namespace qv {

// The answers-and-analysis window: the score table written by the score window, the grading
// messages, the statement of the chosen item, and the ways on from here. It has no close
// button: the student leaves by one of its buttons.
class FrmPingXi : public Form {
    Q_OBJECT
  public:
    FrmPingXi();

    void Form_Load() override;
    // Removes the window's close command (and with it the close button).
    void Disabled(WId& hWnd);
    // The reference answers of one item over the student's files.
    void CreateFile(int16_t Item);

    void LblNo_Click(int Index);
    void LblNo_MouseMove(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // The message text as the box holds it (its lines joined by CR LF).
    QString TextErrText() const;

    FrameBox* ToggleSwitch1;
    VbLabel* Label3;
    VbLabel* Label4;
    std::array<VbLabel*, 8> LblHeng{};
    std::array<VbLabel*, 7> LblShu{};
    std::array<VbLabel*, 6> LblNo{};
    FrameBox* ToggleSwitch3;
    QPlainTextEdit* TextErr;
    FrameBox* ToggleSwitch2;
    RichTextBox* RtbTi;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;

  protected:
    // Without its close command the window refuses the window manager's close requests too.
    void closeEvent(QCloseEvent* event) override;

  private:
    void layOutTable();
    void showStatement(int item);
};

inline const QString kRuleTop = QStringLiteral("┏━━━┯━━━┯━━━┯━━━━━┓");
inline const QString kRuleMiddle = QStringLiteral("┠───┼───┼───┼─────┨");
inline const QString kRuleBottom = QStringLiteral("┗━━━┷━━━┷━━━┷━━━━━┛");
inline const QString kRowRule = QStringLiteral("┃　　　│　　　│　　　│　　　　　┃");
inline const QString kTableHeader = QStringLiteral("题号    分值  考生得分  试题类型  ");
inline constexpr quint32 kRowRed = 0x0000FF;
inline constexpr quint32 kRowGreen = 0x008000;
inline constexpr quint32 kRowBlue = 0xFF0000;

}  // namespace qv
