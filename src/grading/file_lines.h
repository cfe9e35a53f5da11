#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qv {

// Line reading of student files (a line ends at CR or CR LF), without building a list of every
// line: a file of millions of empty lines must not cost gigabytes.

// All lines, each decoded from code page 936, joined without separators.
QString joinAnsiLines(const QByteArray& bytes);

// The first count lines, decoded; fewer when the file has fewer.
QStringList firstAnsiLines(const QByteArray& bytes, qsizetype count);

}  // namespace qv
