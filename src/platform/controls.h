#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace qv {

// A label as the forms use it: a caption, a click and a pointer-move event. It takes the
// pointer moves over it, so the form underneath does not see them (as on the original
// platform, where a control without a move handler simply swallows them).
class VbLabel : public QLabel {
    Q_OBJECT
  public:
    explicit VbLabel(QWidget* parent = nullptr, const QString& caption = QString());
    // Position and size in twips, relative to the parent.
    void place(int left, int top, int width = -1, int height = -1);
    void setForeColor(quint32 vbColor);
    void setBackColor(quint32 vbColor);
    quint32 foreColor() const { return foreColor_; }
    // An auto-sized label grows to its caption, as labels placed without a size do.
    void setAutoSize(bool on);

  signals:
    void Click();
    void MouseMove();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
    bool autoSize_ = false;
    quint32 foreColor_ = 0;
};

// A picture used as a button or a highlight: the same events as a label.
class VbImage : public VbLabel {
    Q_OBJECT
  public:
    explicit VbImage(QWidget* parent = nullptr, const QPixmap& picture = QPixmap());
    void setPicture(const QPixmap& picture);
};

// A text box whose Enter key is a KeyPress of code 13 that goes no further, so a press of
// Enter runs exactly one step.
class VbTextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit VbTextBox(QWidget* parent = nullptr);
    void place(int left, int top, int width, int height);

  signals:
    void KeyPress(int keyAscii);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Colours as the forms give them: &H00BBGGRR.
QColor vbColor(quint32 bgr);

}  // namespace qv
