#include "grade_notes.h"

namespace qv {

QString noteLine(const QString& text) {
    return QStringLiteral("\r\n     ") + text;
}

QString missingFormNote(const QString& fileName) {
    return noteLine(QStringLiteral("考生没有生成文件") + fileName + QStringLiteral("!"));
}

QString designMissNote(const QString& fileName, const QString& segment) {
    return noteLine(QStringLiteral("文件") + fileName +
                    QStringLiteral("设计有误或者还有其它答案(供参考)!")) +
           noteLine(QStringLiteral("题目要求...") + segment + QStringLiteral("..."));
}

QString missingOutputNote(const QString& outputName) {
    return noteLine(QStringLiteral("未生成文件 ") + outputName + QStringLiteral("!"));
}

QString wrongSingleResultNote(const QString& outputName) {
    return noteLine(outputName + QStringLiteral("程序结果错误!"));
}

QString wrongMultiResultNote(const QString& outputName) {
    return noteLine(outputName + QStringLiteral("程序结果有错误!"));
}

QString oversizedFileNote(const QString& fileName) {
    return noteLine(QStringLiteral("文件") + fileName + QStringLiteral("超过16MB,不予评分!"));
}

QString unreadableFileNote(const QString& fileName) {
    return noteLine(QStringLiteral("文件") + fileName + QStringLiteral("无法读取,不予评分!"));
}

QString missingRecordNote(int setNo, int item) {
    return noteLine(
        QStringLiteral("题库中没有第%1套题第%2题的记录,本题得0分!").arg(setNo).arg(item));
}

}  // namespace qv
