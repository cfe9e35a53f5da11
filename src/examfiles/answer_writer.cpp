#include "answer_writer.h"

#include "item_files.h"
#include "platform/text_rules.h"
#include "project_text.h"

namespace qv {
namespace {

void writeFormAndProject(const ExamFilesContext& context, const ItemFiles& files) {
    const QString code = files.field(field::kProject);
    files.writeText(context.student, formFileName(files.itemText(), code),
                    formText(files.field(field::kAnswerForm)), field::kAnswerForm);
    // A one-form item that came with a form keeps the exam's project file.
    if (!isTwoFormCode(code) && !files.isNothingAsStored(field::kForm)) return;
    files.writeText(
        context.student, projectFileName(files.itemText()),
        projectFileText(ProjectVariant::Answer, files.item(), code, files.field(field::kModule)),
        field::kProject);
}

void writeExpectedOutput(const ExamFilesContext& context, const ItemFiles& files) {
    if (files.isNothing(field::kOutput)) return;
    const QString name = files.cutName(trimSpaces(files.field(field::kOutput)), field::kOutput);
    const QString other = files.field(field::kOtherAnswer);
    const qsizetype hash = other.indexOf(QChar('#'));
    files.writeText(context.student, name, hash < 0 ? other : other.left(hash), field::kOutput);
}

void writeFurtherAnswer(const ExamFilesContext& context, const ItemFiles& files) {
    const QString other = files.field(field::kOtherAnswer);
    if (!trimSpaces(other).contains(QStringLiteral(".frm"))) return;
    const NamedFile answer = namedFileSplit(other);
    if (!answer.hasName) {
        files.fail(field::kOtherAnswer, QString(),
                   QStringLiteral("the first line (the file name) has no line end"));
    }
    const QString name = files.cutName(trimSpaces(answer.name), field::kOtherAnswer);
    files.writeText(context.student, name, withoutLeadingSpaces(answer.content),
                    field::kOtherAnswer);
}

void copyAnswerPicture(const ExamFilesContext& context, const ItemFiles& files) {
    const QString other = trimSpaces(files.field(field::kOtherAnswer));
    if (!other.startsWith(QStringLiteral("pic"))) return;  // "Pic" is no picture
    const PictureCopy picture = splitPicture(files, trimSpaces(other.mid(3)), field::kOtherAnswer);
    files.copy(context.images, picture.source, context.student, picture.destination,
               field::kOtherAnswer);
}

}  // namespace

void writeAnswerFiles(const ExamFilesContext& context, int16_t item) {
    ItemFiles files(context, item);
    writeFormAndProject(context, files);
    writeExpectedOutput(context, files);
    writeFurtherAnswer(context, files);
    copyAnswerPicture(context, files);
    files.close();
}

}  // namespace qv
