#include "grader.h"

#include "grading/grade_notes.h"
#include "login/question_bank.h"

#include <numeric>
#include <stdexcept>

namespace qv {

void checkItemNumber(int item) {
    if (item < 1 || item > 5) {
        throw std::out_of_range("grading item number must be 1 to 5, not " + std::to_string(item));
    }
}

int16_t product16(int16_t value, int16_t factor) {
    const int product = int{value} * int{factor};
    if (product < INT16_MIN || product > INT16_MAX) {
        throw std::overflow_error("16-bit overflow in a grading product");
    }
    return static_cast<int16_t>(product);
}

QString designFileName(int16_t item, const QString& projectCode) {
    static const QStringList twoFormCodes = {QStringLiteral("D"), QStringLiteral("E"),
                                             QStringLiteral("F"), QStringLiteral("G")};
    const bool twoForms = twoFormCodes.contains(projectCode, Qt::CaseSensitive);
    return QStringLiteral("sjt") + QString::number(item) +
           (twoForms ? QStringLiteral("1.frm") : QStringLiteral(".frm"));
}

Grader::Grader(GradingContext context) : context_(context) {
    resetMaxima();
}

void Grader::resetMaxima() {
    ItemMax = kItemMaxAtLoad;
}

QString& Grader::notesOf(int16_t item) {
    return context_.notes[static_cast<size_t>(item)];
}

int Grader::total() const {
    return std::accumulate(ItemScore.begin() + 1, ItemScore.end(), 0);
}

void Grader::PingF(int16_t Item) {
    checkItemNumber(Item);
    notesOf(Item).clear();
    ItemRecord = RecordSet();
    try {
        ItemRecord = queryItemByParts(context_.bank, context_.setNo, Item);
    } catch (const RecordMissingError&) {
        // A bank without this item must not stop the other items from being graded.
        ItemScore[Item] = 0;
        notesOf(Item) += missingRecordNote(context_.setNo, Item);
        return;
    }
    const QString type = ItemRecord.text(QStringLiteral("类型"));
    ItemScore[Item] = 0;
    if (type == QStringLiteral("C")) PingOutSingle(Item);
    if (type == QStringLiteral("T")) PingOutMulti(Item);
    PingFrm(Item);
}

}  // namespace qv
