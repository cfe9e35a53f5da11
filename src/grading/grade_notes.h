#pragma once

#include <QString>

namespace qv {

// The grading messages, one text per case. Every message starts on a fresh line, indented by
// five spaces, so the notes of an item read as a list below its header.
QString noteLine(const QString& text);

QString missingFormNote(const QString& fileName);
QString designMissNote(const QString& fileName, const QString& segment);
QString missingOutputNote(const QString& outputName);
QString wrongSingleResultNote(const QString& outputName);
QString wrongMultiResultNote(const QString& outputName);
QString oversizedFileNote(const QString& fileName);
QString unreadableFileNote(const QString& fileName);
QString missingRecordNote(int setNo, int item);

}  // namespace qv
