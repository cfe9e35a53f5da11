#include "login/bank_source.h"

#include "platform/rich_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

const QString kFixture = QStringLiteral(QV_SOURCE_DIR "/tests/login/fixtures/bank_source");

const QString kHeader = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{"
    "\\f0\\fnil\\fcharset134 "
    "\\'cb\\'ce\\'cc\\'e5;}}\r\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ");

TEST(BankSourceTest, StatementMarkupBecomesAsciiRtf) {
    struct Case {
        QString markup;
        QString body;  // after the header
    };
    const Case cases[] = {
        {QStringLiteral("在**求和**{a}\\b\n"),
         QStringLiteral("\\'d4\\'da\\b \\'c7\\'f3\\'ba\\'cd\\b0 \\{a\\}\\\\b\\par\r\n}\r\n")},
        {QStringLiteral("a\r\n\r\n“x”\tb"),
         QStringLiteral("a\\par\r\n\\par\r\n\\'a1\\'b0x\\'a1\\'b1\\tab b\\par\r\n}\r\n")},
        {QString(), QStringLiteral("}\r\n")},
    };
    for (const Case& c : cases) {
        const QString rtf = statementToRtf(c.markup);
        EXPECT_EQ(rtf, kHeader + c.body) << c.markup.toStdString();
        for (const QChar ch : rtf) ASSERT_LT(ch.unicode(), 0x80) << "not ASCII";
    }
}

TEST(BankSourceTest, BadStatementMarkupNamesTheLine) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("ok\n**open\n"), QStringLiteral("line 2: \"**\" is not closed")},
        {QStringLiteral("emoji 😀"), QStringLiteral("line 1: \"😀\" cannot be written")},
        {QStringLiteral("a\nb\x01"), QStringLiteral("line 2: control character U+0001")},
    };
    for (const auto& [markup, message] : cases) {
        try {
            statementToRtf(markup);
            ADD_FAILURE() << "accepted " << markup.toStdString();
        } catch (const BankSourceError& error) {
            EXPECT_TRUE(error.message().contains(message)) << error.what();
        }
    }
}

TEST(BankSourceTest, StatementReadsBackAsItsText) {
    QTextDocument doc;
    loadRtf(doc, statementToRtf(QStringLiteral("标题为**“求和”**。\n\n路径C:\\WEXAM\\{考号}")));
    EXPECT_TRUE(
        doc.toPlainText().startsWith(QStringLiteral("标题为“求和”。\n\n路径C:\\WEXAM\\{考号}")))
        << doc.toPlainText().toStdString();
    QTextCursor cursor(&doc);
    cursor.setPosition(4);  // inside “求和”
    EXPECT_TRUE(cursor.charFormat().fontWeight() > QFont::Normal);
    cursor.setPosition(2);
    EXPECT_FALSE(cursor.charFormat().fontWeight() > QFont::Normal);
}

TEST(BankSourceTest, SourceFileLineEndsBecomeCrLfLessOneFinal) {
    EXPECT_EQ(sourceFieldText(QStringLiteral("a\nb\n")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(sourceFieldText(QStringLiteral("a\r\nb\r\n\r\n")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(sourceFieldText(QStringLiteral("a\rb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(sourceFieldText(QStringLiteral("5050#")), QStringLiteral("5050#"));
}

TEST(BankSourceTest, FixtureFolderBuildsRecordsInKeyOrderWithDefaults) {
    const std::vector<BankRecord> records = readBankSource(kFixture);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].key, 101);
    EXPECT_EQ(records[1].key, 102);
    EXPECT_EQ(records[2].key, 205);

    const BankRecord& first = records[0];
    EXPECT_EQ(first.text(QStringLiteral("类型")), QStringLiteral("C"));
    EXPECT_EQ(first.text(QStringLiteral("bas文件")), QStringLiteral("mode1.bas"));
    EXPECT_EQ(first.text(QStringLiteral("in文件")), QStringLiteral("0"));
    EXPECT_EQ(first.text(QStringLiteral("数据")),
              QStringLiteral("Caption         =   \"求和\"$Command1_Click"));
    EXPECT_EQ(first.text(QStringLiteral("frm文件")),
              QStringLiteral("VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption         =   "
                             "\"Form1\"\r\nEnd"));
    EXPECT_EQ(first.text(QStringLiteral("答文frm")),
              QStringLiteral("VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption         =   "
                             "\"求和\"\r\nEnd\r\n"));
    EXPECT_EQ(first.text(QStringLiteral("其它答文")), QStringLiteral("5050#"));
    EXPECT_TRUE(
        first.text(QStringLiteral("题面"))
            .startsWith(kHeader + QStringLiteral("\\'d4\\'da\\'c3\\'fb\\'b3\\'c6\\'ce\\'aaForm1")));
    EXPECT_TRUE(first.text(QStringLiteral("题面"))
                    .contains(QStringLiteral("\\b \\'a1\\'b0\\'c7\\'f3\\'ba\\'cd\\'a1\\'b1\\b0 ")));
    EXPECT_TRUE(first.text(QStringLiteral("题面"))
                    .endsWith(QStringLiteral("\\par\r\n\\par\r\n\\'c2\\'b7\\'be\\'b6\\'d0\\'b4"
                                             "\\'d7\\'f7C:\\\\WEXAM\\\\\\{\\'bf\\'bc\\'ba\\'c5\\}"
                                             "\\tab \\'cd\\'ea\\'a1\\'a3\\par\r\n}\r\n")));

    const BankRecord& minimal = records[1];
    for (const char* field : {"vbp文件", "frm文件", "bas文件", "in文件", "其它文件", "图片文件",
                              "答文out", "其它答文"}) {
        EXPECT_EQ(minimal.text(QString::fromUtf8(field)), QStringLiteral("0")) << field;
    }
    EXPECT_FALSE(minimal.isNull(QStringLiteral("类型")));
    EXPECT_EQ(minimal.text(QStringLiteral("类型")), QString());
    EXPECT_EQ(minimal.text(QStringLiteral("数据")), QString());

    const BankRecord& twoForms = records[2];
    EXPECT_EQ(twoForms.text(QStringLiteral("frm文件")), QStringLiteral("0"));
    EXPECT_TRUE(twoForms.isNull(QStringLiteral("图片文件")));
    EXPECT_EQ(twoForms.text(QStringLiteral("其它文件")),
              QStringLiteral("sjt52.frm\r\nVERSION 5.00\r\nBegin VB.Form Form2\r\nEnd"));
    EXPECT_EQ(twoForms.text(QStringLiteral("题面")),
              kHeader + QStringLiteral("\\'d7\\'db\\'ba\\'cf\\'d3\\'a6\\'d3\\'c3\\par\r\n}\r\n"));
}

// A fresh copy of the fixture folder, to break one thing in.
class SourceCopy {
  public:
    SourceCopy() {
        QDirIterator it(kFixture, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = path(from.mid(kFixture.size() + 1));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    QString path(const QString& relative = QString()) const {
        return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
    }
    void write(const QString& relative, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

  private:
    QTemporaryDir dir_;
};

TEST(BankSourceTest, EachFaultIsRefusedNamingTheFile) {
    struct Case {
        const char* what;
        std::function<void(const SourceCopy&)> breakIt;
        QString message;
    };
    const QString item = QStringLiteral("set01/item1/");
    const Case cases[] = {
        {"no statement", [&](const SourceCopy& s) { QFile::remove(s.path(item + "题面.txt")); },
         item + "题面.txt: missing"},
        {"no answer form",
         [&](const SourceCopy& s) { QFile::remove(s.path(item + "答文frm.frm")); },
         item + "答文frm.frm: missing"},
        {"misspelt file", [&](const SourceCopy& s) { s.write(item + "其他答文.txt", "1#"); },
         item + "其他答文.txt: unknown file"},
        {"unknown key",
         [&](const SourceCopy& s) { s.write(item + "item.json", R"({"类形": "C"})"); },
         item + "item.json: unknown field \"类形\""},
        {"statement key",
         [&](const SourceCopy& s) { s.write(item + "item.json", R"({"题面": "x"})"); },
         item + "item.json: the statement belongs in 题面.txt"},
        {"number value",
         [&](const SourceCopy& s) { s.write(item + "item.json", R"({"类型": 3})"); },
         item + "item.json: \"类型\" must be a string or null"},
        {"not JSON", [&](const SourceCopy& s) { s.write(item + "item.json", "{\"类型\": "); },
         item + "item.json: not valid JSON"},
        {"given twice",
         [&](const SourceCopy& s) { s.write(item + "item.json", R"({"其它答文": "0"})"); },
         item + "其它答文.txt: \"其它答文\" is also given in item.json"},
        {"bad markup", [&](const SourceCopy& s) { s.write(item + "题面.txt", "a\n**b\n"); },
         item + "题面.txt: line 2: \"**\" is not closed"},
        {"not UTF-8",
         [&](const SourceCopy& s) { s.write(item + "答文frm.frm", "\xc7\xf3\xba\xcd"); },
         item + "答文frm.frm: not valid UTF-8"},
        {"one-digit set", [&](const SourceCopy& s) { s.write("set3/item1/题面.txt", "x"); },
         "set3: unknown folder"},
        {"item 6", [&](const SourceCopy& s) { s.write("set01/item6/题面.txt", "x"); },
         "set01/item6: unknown folder"},
        {"file in set", [&](const SourceCopy& s) { s.write("set01/notes.txt", "x"); },
         "set01/notes.txt: unknown file"},
        {"same set twice", [&](const SourceCopy& s) { s.write("set001/item1/题面.txt", "x"); },
         "number given twice"},
    };
    for (const Case& c : cases) {
        const SourceCopy copy;
        ASSERT_NO_THROW(readBankSource(copy.path())) << c.what;
        c.breakIt(copy);
        try {
            readBankSource(copy.path());
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const BankSourceError& error) {
            EXPECT_TRUE(error.message().contains(c.message)) << c.what << ": " << error.what();
        }
    }
}

TEST(BankSourceTest, FolderWithoutSetsIsRefused) {
    const SourceCopy copy;
    EXPECT_THROW(readBankSource(copy.path(QStringLiteral("set01/item1/题面.txt"))),
                 BankSourceError);
    EXPECT_THROW(readBankSource(copy.path(QStringLiteral("set01/item1"))), BankSourceError);
    EXPECT_THROW(readBankSource(copy.path(QStringLiteral("nowhere"))), BankSourceError);
}

}  // namespace
}  // namespace qv
