#pragma once

#include <QPixmap>

namespace qv::pictures {

// The start screen: a background of 640 x 455 pixels and the enter and exit buttons.
QPixmap startBackground();
QPixmap startEnterButton(bool highlighted);
QPixmap startExitButton(bool highlighted);

}  // namespace qv::pictures
