#include "exam_files_context.h"

#include "login/exam_state.h"
#include "platform/paths.h"

#include <QDir>

namespace qv {
namespace {

std::string describe(int set, int item, const QString& field, const QString& path,
                     const QString& reason) {
    QString text = QStringLiteral("set %1, item %2").arg(set).arg(item);
    if (!field.isEmpty()) text += QStringLiteral(", field ") + field;
    text += QStringLiteral(": ") + printableName(reason);
    if (!path.isEmpty()) text += QStringLiteral(": ") + printableName(path);
    return text.toStdString();
}

}  // namespace

QString printableName(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (c == QChar('\r')) {
            result += QStringLiteral("\\r");
        } else if (c == QChar('\n')) {
            result += QStringLiteral("\\n");
        } else if (c == QChar('\t')) {
            result += QStringLiteral("\\t");
        } else if (c.unicode() < 32 || c.unicode() == 127) {
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        } else {
            result += c;
        }
    }
    return result;
}

ExamFolder::ExamFolder(QString host, QString shown, QChar separator)
    : host_(std::move(host)), shown_(std::move(shown)), separator_(separator) {}

ExamFolder ExamFolder::fromWindows(const QString& windowsPath) {
    return ExamFolder(DrivePaths::toHost(windowsPath), windowsPath, QChar('\\'));
}

ExamFolder ExamFolder::fromHost(const QString& hostPath) {
    const QString clean = QDir::cleanPath(hostPath);
    return ExamFolder(clean, clean, QChar('/'));
}

ExamFolder ExamFolder::sub(const QString& name) const {
    return ExamFolder(hostFile(name), shownFile(name), separator_);
}

QString ExamFolder::hostFile(const QString& name) const {
    return resolveCaseInsensitive(host_, name);
}

QString ExamFolder::shownFile(const QString& name) const {
    return shown_ + separator_ + name;
}

ExamFilesContext::ExamFilesContext(int16_t setNo, const QString& studentDirWindows,
                                   const QString& dataDirWindows, Connection& bank)
    : ExamFilesContext(setNo, ExamFolder::fromWindows(studentDirWindows),
                       ExamFolder::fromWindows(dataDirWindows + QStringLiteral("\\img")), bank) {}

ExamFilesContext::ExamFilesContext(int16_t setNo, ExamFolder student, ExamFolder images,
                                   Connection& bank)
    : setNo(setNo),
      student(student),
      backup(student.sub(QStringLiteral("WARN"))),
      images(std::move(images)),
      bank(bank) {}

ExamFilesContext ExamFilesContext::fromExamState(ExamState& state) {
    if (!state.BankConn || !state.BankConn->isOpen()) {
        throw ExamFileError(state.SetNo, 0, QString(), QString(),
                            QStringLiteral("the question bank is not open"));
    }
    return ExamFilesContext(state.SetNo, state.StudentDir, state.DataDir, *state.BankConn);
}

ExamFileError::ExamFileError(int set, int item, const QString& field, const QString& path,
                             const QString& reason)
    : std::runtime_error(describe(set, item, field, path, reason)),
      set_(set),
      item_(item),
      field_(field),
      path_(path),
      reason_(reason) {}

}  // namespace qv
