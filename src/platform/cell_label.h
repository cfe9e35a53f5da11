#pragma once

#include "controls.h"

namespace qv {

// A label that lays its caption out on a grid of half-width cells, as a console font does:
// Chinese characters, full-width forms and the box-drawing characters take two cells, the rest
// one. Tables drawn with box-drawing rules then line up whatever the installed font's widths.
class CellLabel : public VbLabel {
  public:
    explicit CellLabel(QWidget* parent = nullptr, const QString& caption = QString());

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static int cellsOf(QChar c);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int cellWidth() const;
};

}  // namespace qv
