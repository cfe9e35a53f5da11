#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// The system's ANSI code page is 936 (GBK). Characters it cannot hold become "?",
// as the original platform's conversion does.
QByteArray toAnsi(const QString& text);

// Bytes that are not valid code page 936 become U+FFFD, so untrusted files never fail to read.
QString fromAnsi(const QByteArray& bytes);

}  // namespace qv
