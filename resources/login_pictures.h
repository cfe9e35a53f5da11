#pragma once

#include <QPixmap>

namespace qv::pictures {

// The login window: a background of 640 x 455 pixels, the highlight shown behind a step button
// under the pointer (77 x 22 pixels), and the waiting picture shown while a paper is drawn.
QPixmap loginBackground();
QPixmap loginHighlight();
QPixmap loginWait();

}  // namespace qv::pictures
