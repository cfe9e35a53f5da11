#pragma once

#include "platform/database.h"

#include <QString>

#include <array>
#include <stdexcept>

namespace qv {

// The stored 题面 of the five items of a set, index 0 for item 1.
using StoredQuestionTexts = std::array<QString, 5>;

// The three question texts shown in the exam: question 1 joins items 1 and 2, question 2
// items 3 and 4, question 3 is item 5.
struct QuestionTexts {
    QString rtf1;
    QString rtf2;
    QString rtf3;
};

// A stored 题面 that cannot be joined into a question (it lacks "\viewkind4").
class QuestionTextError : public std::runtime_error {
  public:
    QuestionTextError(int set, int item);
    int set() const { return set_; }
    int item() const { return item_; }

  private:
    int set_;
    int item_;
};

// The fixed RTF pieces the questions are assembled from.
namespace question_pieces {
QString header(int question);  // 1 to 3
QString tail(int question);    // 1 to 3
QString itemSeparator();
}  // namespace question_pieces

// The student folder as the headers show it: "C:\\WEXAM\\" (backslashes doubled for RTF)
// followed by the last eight characters of the folder.
QString rtfStudentFolder(const QString& studentDir);

// Assembles the three questions; throws QuestionTextError naming the set and item of a text
// without "\viewkind4".
QuestionTexts assembleQuestionTexts(const QString& studentDir, const StoredQuestionTexts& stored,
                                    int setNo);

// Reads the 题面 of items 1 to 5 of a set, in order; throws the bank's errors.
StoredQuestionTexts readStoredQuestionTexts(Connection& bank, int setNo);

}  // namespace qv
