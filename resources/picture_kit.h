#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace qv::pictures {

// Small painting helpers shared by the window pictures.
QFont chineseFont(int pixelSize, bool bold = false,
                  const QString& family = QStringLiteral("SimSun"));

// A rounded button face with a caption; highlighted faces are lighter and glow.
QPixmap buttonFace(QSize size, const QString& caption, const QColor& base, bool highlighted,
                   int pixelSize = 16);

// A vertical gradient filling the whole picture.
QPixmap gradient(QSize size, const QColor& top, const QColor& bottom);

}  // namespace qv::pictures
