#pragma once

#include <QFrame>

namespace qv {

// The bordered container of the exam windows: it holds controls, its height can be set and its
// width read (in twips), and setting its border style redraws the border at the current size.
// Style 4 is a sunken double edge around a text area, style 5 a raised etched edge around a
// group of controls; any other style draws a plain line.
class FrameBox : public QFrame {
    Q_OBJECT
  public:
    explicit FrameBox(QWidget* parent = nullptr, int borderStyle = 5);

    // Position and size in twips, relative to the parent.
    void place(int left, int top, int width, int height);
    int Width() const;
    int Height() const;
    void setHeight(int twips);

    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int borderStyle_;
};

}  // namespace qv
