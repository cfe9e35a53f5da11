#include "question_texts.h"

#include "platform/text_rules.h"
#include "question_bank.h"

namespace qv {
namespace {

// RTF source exactly as the exam shows it; each \'hh is one byte of code page 936.
constexpr char kHeader1[] =
    R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{)"
    R"(\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\lang2052\f0\fs24 1. \'bb\'f9\'b1)"
    R"(\'be\'b2\'d9\'d7\'f7\'a3\'a82\'d0\'a1\'cc\'e2\'a3\'ac\'c3\'bf\'d0\'a1\'cc\'e215\'b7)"
    R"(\'d6\'a3\'ac\'b9\'b2\'bc\'c630\'b7\'d6\'a3\'a9\cf1 \par      \'d7\'a2\'d2\'e2\'a3\'ba)"
    R"(\'cf\'c2\'c3\'e6\'b3\'f6\'cf\'d6\'b5\'c4\ldblquote\'bf\'bc\'c9\'fa\'ce\'c4\'bc\'fe\'bc)"
    R"(\'d0\rdblquote\'be\'f9\'ce\'aa)";

constexpr char kTail1[] =
    R"(\par \par **********************************************************************\par )"
    R"(\par   \'c7\'eb\'b8\'f9\'be\'dd\'d2\'d4\'cf\'c2\'b8\'f7\'d0\'a1\'cc\'e2\'b5\'c4\'d2)"
    R"(\'aa\'c7\'f3\'c9\'e8\'bc\'c6Visual Basic\'d3\'a6\'d3\'c3\'b3\'cc\'d0\'f2\'a3\'a8\'b0)"
    R"(\'fc\'c0\'a8\'bd\'e7\'c3\'e6\'ba\'cd\'b4\'fa\'c2\'eb\'a3\'a9\'a1\'a3\cf0 \par)";

constexpr char kItemSeparator[] =
    R"(\viewkind4\uc1\pard\cf1\lang2052\f0)"
    R"(\fs24 **********************************************************************\par \pard)"
    R"(\fi-360\li360\tx315\f1 \par \pard\cf0\f0 \par )";

constexpr char kHeader2[] =
    R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{)"
    R"(\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\cf1\lang2052\f0\fs24 2. \'bc\'f2)"
    R"(\'b5\'a5\'d3\'a6\'d3\'c3\'a3\'a82\'d0\'a1\'cc\'e2\'a3\'ac\'c3\'bf\'cc\'e220\'b7\'d6)"
    R"(\'a3\'ac\'bc\'c640\'b7\'d6\'a3\'a9\par      \'d7\'a2\'d2\'e2\'a3\'ba\'cf\'c2\'c3\'e6)"
    R"(\'b3\'f6\'cf\'d6\'b5\'c4\ldblquote\'bf\'bc\'c9\'fa\'ce\'c4\'bc\'fe\'bc\'d0\rdblquote)"
    R"(\'be\'f9\'ce\'aa)";

constexpr char kTail2[] =
    R"(\par \par ***********************************************************************\cf0)"
    R"(\fs18 \par)";

constexpr char kHeader3[] =
    R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{)"
    R"(\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\cf1\lang2052\f0\fs24 3. \'d7\'db)"
    R"(\'ba\'cf\'d3\'a6\'d3\'c3\'a3\'a81\'d0\'a1\'cc\'e2\'a3\'ac\'bc\'c630\'b7\'d6\'a3\'a9)"
    R"(\par      \'d7\'a2\'d2\'e2\'a3\'ba\'cf\'c2\'c3\'e6\'b3\'f6\'cf\'d6\'b5\'c4\ldblquote)"
    R"(\'bf\'bc\'c9\'fa\'ce\'c4\'bc\'fe\'bc\'d0\rdblquote\'be\'f9\'ce\'aa)";

constexpr char kTail3[] = R"(\par \cf0\fs18 \par )";

const QString kViewKind = QStringLiteral("\\viewkind4");

// The stored text from its first "\viewkind4" on: the bank's own document header is replaced
// by ours.
QString fromViewKind(const QString& stored, int set, int item) {
    const qsizetype p = stored.indexOf(kViewKind);
    if (p < 0) throw QuestionTextError(set, item);
    return stored.mid(p);
}

}  // namespace

QuestionTextError::QuestionTextError(int set, int item)
    : std::runtime_error("question text without \\viewkind4"), set_(set), item_(item) {}

namespace question_pieces {

QString header(int question) {
    switch (question) {
        case 1:
            return QString::fromLatin1(kHeader1);
        case 2:
            return QString::fromLatin1(kHeader2);
        default:
            return QString::fromLatin1(kHeader3);
    }
}

QString tail(int question) {
    switch (question) {
        case 1:
            return QString::fromLatin1(kTail1);
        case 2:
            return QString::fromLatin1(kTail2);
        default:
            return QString::fromLatin1(kTail3);
    }
}

QString itemSeparator() {
    return QString::fromLatin1(kItemSeparator);
}

}  // namespace question_pieces

QString rtfStudentFolder(const QString& studentDir) {
    return QStringLiteral("C:\\\\WEXAM\\\\") + rightChars(studentDir, 8);
}

QuestionTexts assembleQuestionTexts(const QString& studentDir, const StoredQuestionTexts& stored,
                                    int setNo) {
    using namespace question_pieces;
    const QString folder = rtfStudentFolder(studentDir);
    // Questions 1 and 2 join two items: the first item's document end (its closing brace and
    // line end) is cut so that the second item's text closes the joined document.
    auto twoItems = [&](int question, int first) {
        QString text = header(question) + folder + tail(question) +
                       fromViewKind(stored[first - 1], setNo, first);
        text.chop(3);
        return text + itemSeparator() + fromViewKind(stored[first], setNo, first + 1);
    };
    QuestionTexts texts;
    texts.rtf1 = twoItems(1, 1);
    texts.rtf2 = twoItems(2, 3);
    texts.rtf3 = header(3) + folder + tail(3) + fromViewKind(stored[4], setNo, 5);
    return texts;
}

StoredQuestionTexts readStoredQuestionTexts(Connection& bank, int setNo) {
    StoredQuestionTexts stored;
    for (int item = 1; item <= 5; ++item)
        stored[item - 1] = queryQuestionText(bank, setNo * 100 + item);
    return stored;
}

}  // namespace qv
