#pragma once

#include <QPixmap>

namespace qv::pictures {

// The notice window: a blue background of 638 x 454 pixels with an oval frame at the bottom
// centre, and the start button (220 x 24) reading 开始答题并计时.
QPixmap noticeBackground();
QPixmap noticeStartButton(bool highlighted);

// The exam bar's strip of 462 x 19 pixels: logo, person, clock and cross icons, separated by
// thin vertical lines. The labels of the bar lie next to the icons.
QPixmap examBarStrip();

// The information icon of the five-minute warning: a blue letter i in a white speech bubble.
QPixmap informationIcon();

}  // namespace qv::pictures
