#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// Texts the writers build themselves. Lines are joined with CR LF; the writing rule adds the
// final CR LF.
QString joinLines(const QStringList& lines);

// The standard module chosen by its file name (lower-cased and trimmed): "mode1.bas",
// "mode2.bas", "prog.bas" and "prog1.bas" have their own text, every other name the default.
QString moduleText(const QString& moduleFileName);

// The built-in data for a trimmed in文件 value: "in.txt", "in5.txt" or "datain1.txt". Any other
// name gets an empty text, so its file holds just the line end.
QString dataText(const QString& dataFileName);

// The 100 numbers of in.txt, line by line, twenty to a line.
const QList<int>& inTxtNumbers();

}  // namespace qv
