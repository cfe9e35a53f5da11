#include "paper_folder.h"

#include "answer_writer.h"
#include "exam_file_writer.h"
#include "exam_files_context.h"
#include "platform/ansi_file.h"
#include "platform/file_error.h"
#include "platform/text_rules.h"

#include <QDir>
#include <QFileInfo>

namespace qv {
namespace {

void prepareEmptyFolder(const QString& hostDir) {
    const QFileInfo info(hostDir);
    if (info.exists() || info.isSymLink()) {
        if (!info.isDir()) throw FileError(QStringLiteral("not a folder"), hostDir);
        if (!QDir(hostDir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot)) {
            throw FileError(QStringLiteral("folder is not empty"), hostDir);
        }
    }
    if (!QDir().mkpath(hostDir)) throw FileError(QStringLiteral("cannot create folder"), hostDir);
    const QString backup = hostDir + QStringLiteral("/WARN");
    if (!QDir().mkdir(backup)) throw FileError(QStringLiteral("cannot create folder"), backup);
}

ExamFilesContext hostContext(Connection& bank, int16_t set, const QString& hostDir,
                             const QString& imagesHostDir) {
    return ExamFilesContext(set, ExamFolder::fromHost(hostDir), ExamFolder::fromHost(imagesHostDir),
                            bank);
}

}  // namespace

void writePaperFolder(Connection& bank, int16_t set, const QString& hostDir,
                      const QString& imagesHostDir) {
    prepareEmptyFolder(hostDir);
    const ExamFilesContext context = hostContext(bank, set, hostDir, imagesHostDir);
    for (int16_t item = 1; item <= 5; ++item) writeExamFiles(context, item);
    replaceAnsiText(context.student.hostFile(QStringLiteral("tovo.tim")),
                    printNumber(kExamSeconds));
}

void writePaperAnswers(Connection& bank, int16_t set, const QString& hostDir,
                       const QString& imagesHostDir) {
    if (!QFileInfo(hostDir).isDir()) throw FileError(QStringLiteral("folder not found"), hostDir);
    const ExamFilesContext context = hostContext(bank, set, hostDir, imagesHostDir);
    for (int16_t item = 1; item <= 5; ++item) writeAnswerFiles(context, item);
}

}  // namespace qv
