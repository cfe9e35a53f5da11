#include "exam_file_writer.h"

#include "builtin_texts.h"
#include "item_files.h"
#include "platform/text_rules.h"
#include "project_text.h"

#include <QStringList>

namespace qv {
namespace {

const QString kTrafficLights = QStringLiteral("红绿灯");

void writeFormAndProject(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothingAsStored(field::kForm)) return;
    const QString code = files.field(field::kProject);
    const QString formName = formFileName(files.itemText(), code);
    files.writeText(context.student, formName, formText(files.field(field::kForm)), field::kForm);
    files.copy(context.student, formName, context.backup, formName, field::kForm);

    const QString projectName = projectFileName(files.itemText());
    files.writeText(context.student, projectName,
                    projectFileText(ProjectVariant::Exam, files.item(), code), field::kProject);
    files.copy(context.student, projectName, context.backup, projectName, field::kProject);
}

// A built-in text under a name from the bank: the student file gets the cut name, the backup
// copy the name itself (the same for every well-formed name).
void writeNamedText(const ExamFilesContext& context, const ItemFiles& files, const QString& name,
                    const QString& text, const QString& fieldName) {
    const QString studentName = files.cutName(name, fieldName);
    files.requireSafeName(studentName, context.student, fieldName);
    files.requireSafeName(name, context.backup, fieldName);
    files.writeText(context.student, studentName, text, fieldName);
    files.copy(context.student, studentName, context.backup, name, fieldName);
}

void writeModule(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothing(field::kModule)) return;
    const QString name = trimSpaces(lowerText(files.field(field::kModule)));
    writeNamedText(context, files, name, moduleText(name), field::kModule);
}

void writeDataOrIcons(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothing(field::kData)) return;
    const QString name = trimSpaces(files.field(field::kData));
    if (name != kTrafficLights) {
        writeNamedText(context, files, name, dataText(name), field::kData);
        return;
    }
    for (const QString& icon : {QStringLiteral("红灯.ico"), QStringLiteral("绿灯.ico"),
                                QStringLiteral("黄灯.ico"), QStringLiteral("Cars.ico")}) {
        files.copy(context.images, icon, context.student, icon, field::kData);
        files.copy(context.images, icon, context.backup, icon, field::kData);
    }
}

void writeOtherFile(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothing(field::kOther)) return;
    const NamedFile other = namedFileSplit(files.field(field::kOther));
    if (!other.hasName) {
        files.fail(field::kOther, QString(),
                   QStringLiteral("the first line (the file name) has no "
                                  "line end"));
    }
    const QString studentName = files.cutName(trimSpaces(other.name), field::kOther);
    const QString backupName = trimSpaces(files.cutName(other.name, field::kOther));
    files.requireSafeName(studentName, context.student, field::kOther);
    files.requireSafeName(backupName, context.backup, field::kOther);
    files.writeText(context.student, studentName, withoutLeadingSpaces(other.content),
                    field::kOther);
    files.copy(context.student, studentName, context.backup, backupName, field::kOther);
}

void copyPicture(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothing(field::kPicture)) return;
    const PictureCopy picture =
        splitPicture(files, trimSpaces(files.field(field::kPicture)), field::kPicture);
    files.requireSafeName(picture.destination, context.backup, field::kPicture);
    files.copy(context.images, picture.source, context.student, picture.destination,
               field::kPicture);
    files.copy(context.images, picture.source, context.backup, picture.destination,
               field::kPicture);
}

}  // namespace

void writeExamFiles(const ExamFilesContext& context, int16_t item) {
    ItemFiles files(context, item);
    writeFormAndProject(context, files);
    writeModule(context, files);
    writeDataOrIcons(context, files);
    writeOtherFile(context, files);
    copyPicture(context, files);
    files.close();
}

}  // namespace qv
