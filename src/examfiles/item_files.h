#pragma once

#include "exam_files_context.h"

#include <QString>

#include <cstdint>

namespace qv {

// The fields of an item's record that the writers read.
namespace field {
inline const QString kForm = QStringLiteral("frm文件");
inline const QString kProject = QStringLiteral("vbp文件");
inline const QString kModule = QStringLiteral("bas文件");
inline const QString kData = QStringLiteral("in文件");
inline const QString kOther = QStringLiteral("其它文件");
inline const QString kPicture = QStringLiteral("图片文件");
inline const QString kAnswerForm = QStringLiteral("答文frm");
inline const QString kOutput = QStringLiteral("答文out");
inline const QString kOtherAnswer = QStringLiteral("其它答文");
}  // namespace field

// One item's record and the file steps both writers are made of. Every failure becomes an
// ExamFileError naming the set, the item, the field the step works from and the file.
class ItemFiles {
  public:
    // Queries the record of key set × 100 + item (16-bit, as the bank's key is).
    ItemFiles(const ExamFilesContext& context, int16_t item);

    // The field's text; a field without value reads as an empty text.
    QString field(const QString& name) const;
    // "0" after trimming, an empty text, or no value: nothing to write for this field.
    bool isNothing(const QString& name) const;
    // As above, but compared as stored (frm文件).
    bool isNothingAsStored(const QString& name) const;

    int16_t item() const { return item_; }
    const QString& itemText() const { return itemText_; }

    // The extension cut of a name from field; a name without "." has no file to write.
    QString cutName(const QString& name, const QString& fieldName) const;
    // Refuses a name that does not name a file directly inside a folder.
    void requireSafeName(const QString& name, const ExamFolder& folder,
                         const QString& fieldName) const;

    void writeText(const ExamFolder& folder, const QString& name, const QString& text,
                   const QString& fieldName) const;
    void copy(const ExamFolder& from, const QString& fromName, const ExamFolder& to,
              const QString& toName, const QString& fieldName) const;

    [[noreturn]] void fail(const QString& fieldName, const QString& path,
                           const QString& reason) const;

    void close() { record_.close(); }

  private:
    const ExamFilesContext& context_;
    int16_t item_;
    QString itemText_;
    RecordSet record_;
};

// A picture copy "source/destination": both parts name files, split at the first "/".
struct PictureCopy {
    QString source;
    QString destination;
};
PictureCopy splitPicture(const ItemFiles& files, const QString& value, const QString& fieldName);

// A text without its leading space characters.
QString withoutLeadingSpaces(const QString& text);

// The form file of item n: "sjt" + n + ".frm", or "sjt" + n + "1.frm" for a two-form project.
QString formFileName(const QString& itemText, const QString& projectCode);
// The project file of item n: "sjt" + n + ".vbp".
QString projectFileName(const QString& itemText);
// A form text from a field: unchanged but for a line feed standing first.
QString formText(const QString& fieldText);

}  // namespace qv
