#include "item_files.h"

#include "login/question_bank.h"
#include "platform/ansi_file.h"
#include "platform/file_error.h"
#include "platform/text_rules.h"
#include "project_text.h"
#include "safe_names.h"

#include <QFileInfo>

namespace qv {
namespace {

RecordSet queryRecord(const ExamFilesContext& context, int16_t item) {
    const int key = context.setNo * 100 + item;
    if (key > INT16_MAX || key < INT16_MIN) {
        throw ExamFileError(context.setNo, item, kKeyField, QString(),
                            QStringLiteral("key %1 does not fit the bank's 16-bit key").arg(key));
    }
    try {
        return queryItem(context.bank, key);
    } catch (const BankError& error) {
        throw ExamFileError(context.setNo, item, kKeyField, QString(), error.message());
    } catch (const DatabaseError& error) {
        throw ExamFileError(context.setNo, item, kKeyField, QString(),
                            QString::fromStdString(error.what()));
    }
}

}  // namespace

ItemFiles::ItemFiles(const ExamFilesContext& context, int16_t item)
    : context_(context),
      item_(item),
      itemText_(QString::number(item)),
      record_(queryRecord(context, item)) {}

QString ItemFiles::field(const QString& name) const {
    try {
        return record_.text(name);
    } catch (const DatabaseError& error) {
        fail(name, QString(), QString::fromStdString(error.what()));
    }
}

bool ItemFiles::isNothing(const QString& name) const {
    const QString value = field(name);
    return value.isEmpty() || trimSpaces(value) == QStringLiteral("0");
}

bool ItemFiles::isNothingAsStored(const QString& name) const {
    const QString value = field(name);
    return value.isEmpty() || value == QStringLiteral("0");
}

QString ItemFiles::cutName(const QString& name, const QString& fieldName) const {
    if (name.isEmpty()) fail(fieldName, QString(), QStringLiteral("file name is empty"));
    if (!name.contains(QChar('.'))) {
        fail(fieldName, name, QStringLiteral("file name has no \".\""));
    }
    return extensionCut(name);
}

void ItemFiles::requireSafeName(const QString& name, const ExamFolder& folder,
                                const QString& fieldName) const {
    const QString reason = unsafeNameReason(name);
    if (!reason.isEmpty()) fail(fieldName, folder.shownFile(name), reason);
}

void ItemFiles::writeText(const ExamFolder& folder, const QString& name, const QString& text,
                          const QString& fieldName) const {
    requireSafeName(name, folder, fieldName);
    try {
        writeAnsiText(folder.hostFile(name), text);
    } catch (const FileError&) {
        fail(fieldName, folder.shownFile(name), QStringLiteral("cannot write the file"));
    }
}

void ItemFiles::copy(const ExamFolder& from, const QString& fromName, const ExamFolder& to,
                     const QString& toName, const QString& fieldName) const {
    requireSafeName(fromName, from, fieldName);
    requireSafeName(toName, to, fieldName);
    const QString source = from.hostFile(fromName);
    if (!QFileInfo(source).isFile()) {
        fail(fieldName, from.shownFile(fromName), QStringLiteral("file not found"));
    }
    try {
        copyFileOverwrite(source, to.hostFile(toName));
    } catch (const FileError&) {
        fail(fieldName, to.shownFile(toName), QStringLiteral("cannot copy to the file"));
    }
}

void ItemFiles::fail(const QString& fieldName, const QString& path, const QString& reason) const {
    throw ExamFileError(context_.setNo, item_, fieldName, path, reason);
}

PictureCopy splitPicture(const ItemFiles& files, const QString& value, const QString& fieldName) {
    const qsizetype slash = value.indexOf(QChar('/'));
    if (slash < 0) {
        files.fail(fieldName, value,
                   QStringLiteral("the picture has no \"/\" between source and destination"));
    }
    return {value.left(slash), value.mid(slash + 1)};
}

QString withoutLeadingSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QChar(' ')) ++start;
    return text.mid(start);
}

QString formFileName(const QString& itemText, const QString& projectCode) {
    return QStringLiteral("sjt") + itemText +
           (isTwoFormCode(projectCode) ? QStringLiteral("1.frm") : QStringLiteral(".frm"));
}

QString projectFileName(const QString& itemText) {
    return QStringLiteral("sjt") + itemText + QStringLiteral(".vbp");
}

QString formText(const QString& fieldText) {
    return fieldText.startsWith(QChar('\n')) ? fieldText.mid(1) : fieldText;
}

}  // namespace qv
