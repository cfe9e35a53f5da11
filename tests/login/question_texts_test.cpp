#include "login/question_texts.h"
#include "login/question_bank.h"
#include "platform/codepage.h"
#include "support/temp_drive.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace qv {
namespace {

QString golden(const QString& name) {
    QFile file(QStringLiteral(QV_SOURCE_DIR "/tests/login/golden/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

StoredQuestionTexts set07Items() {
    StoredQuestionTexts items;
    for (int i = 0; i < 5; ++i) items[i] = golden(QStringLiteral("set07_item%1.rtf").arg(i + 1));
    return items;
}

// What a reader sees: every \'hh escape turned back into its code page 936 byte.
QString decodeEscapes(const QString& rtf) {
    QByteArray bytes;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == QChar('\\') && i + 3 < rtf.size() + 0 && rtf.at(i + 1) == QChar('\'')) {
            bytes.append(static_cast<char>(rtf.mid(i + 2, 2).toInt(nullptr, 16)));
            i += 3;
        } else {
            bytes.append(static_cast<char>(rtf.at(i).unicode()));
        }
    }
    return fromAnsi(bytes);
}

TEST(QuestionTexts, SampleSetAssemblesByteForByte) {
    const QuestionTexts texts =
        assembleQuestionTexts(QStringLiteral("C:\\WEXAM\\26010007"), set07Items(), 7);
    EXPECT_EQ(texts.rtf1, golden(QStringLiteral("set07_question1.rtf")));
    EXPECT_EQ(texts.rtf2, golden(QStringLiteral("set07_question2.rtf")));
    EXPECT_EQ(texts.rtf3, golden(QStringLiteral("set07_question3.rtf")));
}

TEST(QuestionTexts, JoinedQuestionKeepsOneDocumentAndSecondItemFromItsFirstViewKind) {
    const QuestionTexts texts =
        assembleQuestionTexts(QStringLiteral("C:\\WEXAM\\26010007"), set07Items(), 7);
    // The first item's closing brace and line end are gone; the second item closes.
    EXPECT_FALSE(texts.rtf1.contains(QStringLiteral("}\r\n\\viewkind4")));
    EXPECT_TRUE(texts.rtf1.endsWith(QStringLiteral("\\viewkind4 again\\par\r\n}\r\n")));
    EXPECT_EQ(texts.rtf1.count(QStringLiteral("{\\rtf1")), 1);
    // The stored documents' own headers are replaced by ours.
    EXPECT_FALSE(texts.rtf2.contains(QStringLiteral("Arial")));
    EXPECT_TRUE(texts.rtf3.startsWith(question_pieces::header(3)));
}

TEST(QuestionTexts, PiecesReadAsTheExamShowsThem) {
    const QString warning = QStringLiteral("注意：下面出现的\\ldblquote考生文件夹\\rdblquote均为");
    const struct {
        QString piece;
        QString reads;
    } rows[] = {
        {question_pieces::header(1), QStringLiteral("宋体;}}")},
        {question_pieces::header(1),
         QStringLiteral("1. 基本操作（2小题，每小题15分，共计30分）\\cf1 \\par      ") + warning},
        {question_pieces::header(2),
         QStringLiteral("2. 简单应用（2小题，每题20分，计40分）\\par      ") + warning},
        {question_pieces::header(3),
         QStringLiteral("3. 综合应用（1小题，计30分）\\par      ") + warning},
        {question_pieces::tail(1),
         QStringLiteral("请根据以下各小题的要求设计Visual Basic应用程序（包括界面和代码）。")},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(decodeEscapes(row.piece).contains(row.reads))
            << decodeEscapes(row.piece).toStdString();
    }
    for (int q = 1; q <= 3; ++q) EXPECT_TRUE(question_pieces::header(q).endsWith("\\'aa"));
}

TEST(QuestionTexts, AsteriskLinesAreSeventyExceptInQuestionTwo) {
    const QRegularExpression stars(QStringLiteral("\\*+"));
    auto lengthOfStars = [&](const QString& text) {
        const auto match = stars.match(text);
        return match.hasMatch() ? match.capturedLength() : 0;
    };
    EXPECT_EQ(lengthOfStars(question_pieces::tail(1)), 70);
    EXPECT_EQ(lengthOfStars(question_pieces::itemSeparator()), 70);
    EXPECT_EQ(lengthOfStars(question_pieces::tail(2)), 71);
    EXPECT_EQ(lengthOfStars(question_pieces::tail(3)), 0);
    EXPECT_TRUE(question_pieces::itemSeparator().endsWith(QStringLiteral("\\par ")));
    EXPECT_TRUE(question_pieces::tail(3).endsWith(QStringLiteral("\\par ")));
}

TEST(QuestionTexts, FolderIsWrittenWithDoubledBackslashesAndLastEightCharacters) {
    EXPECT_EQ(rtfStudentFolder(QStringLiteral("C:\\WEXAM\\27010001")),
              QStringLiteral("C:\\\\WEXAM\\\\27010001"));
    EXPECT_EQ(rtfStudentFolder(QStringLiteral("C:\\WEXAM\\ab12")),
              QStringLiteral("C:\\\\WEXAM\\\\XAM\\ab12"));
}

TEST(QuestionTexts, TextWithoutViewKindNamesItsSetAndItem) {
    for (int item = 1; item <= 5; ++item) {
        StoredQuestionTexts items = set07Items();
        items[item - 1] = QStringLiteral("{\\rtf1 no body}\r\n");
        try {
            assembleQuestionTexts(QStringLiteral("C:\\WEXAM\\26010007"), items, 7);
            ADD_FAILURE() << "item " << item << " accepted";
        } catch (const QuestionTextError& error) {
            EXPECT_EQ(error.set(), 7);
            EXPECT_EQ(error.item(), item);
        }
    }
}

TEST(QuestionTexts, ReadsTheFiveItemsOfTheSetInOrder) {
    test::TempDrive drive;
    const QString path = drive.host(QStringLiteral("C:\\bank.mdb"));
    std::vector<BankRecord> records;
    for (int item = 1; item <= 5; ++item) {
        for (int set : {6, 7}) {
            records.push_back(
                {set * 100 + item,
                 {{QStringLiteral("题面"), QStringLiteral("text %1").arg(set * 100 + item)}}});
        }
    }
    writeBank(path, records);
    auto bank = openBankFile(path);
    const StoredQuestionTexts stored = readStoredQuestionTexts(*bank, 7);
    for (int item = 1; item <= 5; ++item)
        EXPECT_EQ(stored[item - 1], QStringLiteral("text %1").arg(700 + item));
    try {
        readStoredQuestionTexts(*bank, 8);
        ADD_FAILURE() << "set 8 read";
    } catch (const RecordMissingError& error) {
        EXPECT_EQ(error.key(), 801);
    }
}

}  // namespace
}  // namespace qv
