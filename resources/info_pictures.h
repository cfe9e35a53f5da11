#pragma once

#include <QPixmap>

namespace qv::pictures {

// The About box: the program's icon (32 x 32) and the picture beside the support block.
QPixmap programIcon();
QPixmap aboutPicture();

}  // namespace qv::pictures
