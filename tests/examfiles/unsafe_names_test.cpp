#include "exam_files_fixture.h"
#include "examfiles/answer_writer.h"
#include "examfiles/exam_file_writer.h"
#include "examfiles/safe_names.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;

namespace qv::test {
namespace {

struct UnsafeCase {
    bool answers;  // the reference answer writer, else the exam file writer
    const char* field;
    QString value;
};

constexpr bool kExam = false;
constexpr bool kAnswers = true;

std::vector<UnsafeCase> unsafeCases() {
    std::vector<UnsafeCase> cases;
    for (const QString& name :
         {u"..\\evil.bas"_s, u"../evil.bas"_s, u"sub\\evil.bas"_s, u"C:evil.bas"_s,
          u"c:\\evil.bas"_s, u"/tmp/evil.bas"_s, u"\\\\host\\share\\evil.bas"_s, u"a..b.bas"_s,
          u"e<v.bas"_s, u"e>v.bas"_s, u"e\"v.bas"_s, u"e|v.bas"_s, u"e?v.bas"_s, u"e*v.bas"_s,
          u"e\tv.bas"_s, u"e\x01v.bas"_s, u"   "_s, u"prog.bas \r\n"_s}) {
        cases.push_back({kExam, "bas文件", name});
    }
    for (const QString& name :
         {u"..\\in.txt"_s, u"C:\\in.txt"_s, u"in?.txt"_s, u"../../in.txt"_s, u" \\in.txt"_s}) {
        cases.push_back({kExam, "in文件", name});
    }
    for (const QString& text : {u"..\\x.frm\r\nabc"_s, u"/tmp/x.frm\r\nabc"_s, u"a:b.frm\r\nabc"_s,
                                u"x|y.frm\nabc"_s, u"  \nabc"_s}) {
        cases.push_back({kExam, "其它文件", text});
    }
    for (const QString& value :
         {u"../secret.txt/x.bmp"_s, u"..\\secret.txt/x.bmp"_s, u"a.bmp/..\\x.bmp"_s,
          u"a.bmp/sub/x.bmp"_s, u"a.bmp/"_s, u"/x.bmp"_s, u"a.bmp/C:x.bmp"_s, u"a.bmp/x*.bmp"_s,
          u"C:\\windows\\system32\\cwmx\\secret.txt/x.bmp"_s, u"a.bmp/..\\..\\x.bmp"_s}) {
        cases.push_back({kExam, "图片文件", value});
    }
    for (const QString& name :
         {u"..\\out.txt"_s, u"C:\\out.txt"_s, u"o<ut.txt"_s, u"\\out.txt"_s, u"../out.txt"_s}) {
        cases.push_back({kAnswers, "答文out", name});
    }
    for (const QString& text :
         {u"..\\sjt12.frm\r\nVERSION 5.00"_s, u"C:\\sjt12.frm\r\nx"_s, u"pic..\\secret.txt/x.bmp"_s,
          u"pic a.bmp/..\\x.bmp"_s, u"pic a.bmp/x/y.bmp"_s, u"pic /x.bmp"_s,
          u"pic ../secret.txt/x.bmp"_s}) {
        cases.push_back({kAnswers, "其它答文", text});
    }
    return cases;
}

// One bank for every case (set = case number + 1, item 1), built once: bank keys are slow to
// derive.
class UnsafeNames : public ExamFilesTest, public ::testing::WithParamInterface<size_t> {
  protected:
    static void SetUpTestSuite() {
        bankDir = new QTemporaryDir;
        std::vector<BankRecord> records;
        const std::vector<UnsafeCase> cases = unsafeCases();
        for (size_t i = 0; i < cases.size(); ++i) {
            BankRecord r = record(static_cast<int>(i + 1) * 100 + 1,
                                  {{"frm文件", u"0"_s}, {"答文frm", u"VERSION 5.00"_s}});
            r.fields[QString::fromUtf8(cases[i].field)] = cases[i].value;
            if (QString::fromUtf8(cases[i].field) == u"答文out"_s) {
                r.fields[u"其它答文"_s] = u"12 34"_s;
            }
            records.push_back(r);
        }
        writeBank(bankDir->filePath(u"vb9708.mdb"_s), records);
    }
    static void TearDownTestSuite() {
        delete bankDir;
        bankDir = nullptr;
    }
    static QTemporaryDir* bankDir;
};
QTemporaryDir* UnsafeNames::bankDir = nullptr;

TEST_P(UnsafeNames, AreRefusedAndNothingOutsideTheFolderChanges) {
    const UnsafeCase c = unsafeCases().at(GetParam());
    bank = openBankFile(bankDir->filePath(u"vb9708.mdb"_s));
    // Files a step that climbed out of its folder could read or overwrite.
    drive.writeFile(u"C:\\WEXAM\\secret.txt"_s, "outside the student folder");
    drive.writeFile(u"C:\\windows\\system32\\cwmx\\secret.txt"_s, "outside the image folder");
    drive.writeFile(u"C:\\evil.bas"_s, "keep");
    const QString studentHost = drive.host(kStudentDir);
    auto outside = [&] {
        QMap<QString, QByteArray> files = snapshot(drive.root());
        files.removeIf([](auto it) { return it.key().startsWith(u"WEXAM/27010001/"_s); });
        return files;
    };
    const auto before = outside();
    const int16_t set = static_cast<int16_t>(GetParam() + 1);
    try {
        if (c.answers) {
            writeAnswerFiles(context(set), 1);
        } else {
            writeExamFiles(context(set), 1);
        }
        FAIL() << "accepted " << printableName(c.value).toStdString();
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.field(), QString::fromUtf8(c.field)) << error.what();
        EXPECT_FALSE(error.reason().isEmpty());
        EXPECT_FALSE(error.message().contains(QChar('\n')) ||
                     error.message().contains(QChar('\r')));
    }
    EXPECT_EQ(outside(), before);
    // Only the steps before the refused one wrote anything: the answer form and project.
    const QStringList expected =
        c.answers ? QStringList{u"WARN/"_s, u"sjt1.frm"_s, u"sjt1.vbp"_s} : QStringList{u"WARN/"_s};
    EXPECT_EQ(snapshot(studentHost).keys(), expected) << printableName(c.value).toStdString();
}

INSTANTIATE_TEST_SUITE_P(FromTheBank, UnsafeNames,
                         ::testing::Range<size_t>(0, unsafeCases().size()), [](const auto& info) {
                             const UnsafeCase c = unsafeCases().at(info.param);
                             return std::to_string(info.param) + "_" +
                                    (QString::fromUtf8(c.field) == u"bas文件"_s    ? "bas"
                                     : QString::fromUtf8(c.field) == u"in文件"_s   ? "in"
                                     : QString::fromUtf8(c.field) == u"其它文件"_s ? "other"
                                     : QString::fromUtf8(c.field) == u"图片文件"_s ? "picture"
                                     : QString::fromUtf8(c.field) == u"答文out"_s  ? "output"
                                                                                   : "answer");
                         });

TEST(SafeNames, PlainAndChineseNamesAreFine) {
    for (const QString& name : {u"sjt1.frm"_s, u"红绿灯.bmp"_s, u"说明 文件.txt"_s, u"a.b.c"_s,
                                u"Cars.ico"_s, u" lead.txt"_s, u"x"_s}) {
        EXPECT_EQ(unsafeNameReason(name), QString()) << name.toStdString();
    }
    for (const QString& name :
         {QString(), u"."_s, u".."_s, u"a/b"_s, u"a\\b"_s, u"a:b"_s, u"a\nb"_s, u"a\x1f"_s}) {
        EXPECT_NE(unsafeNameReason(name), QString()) << printableName(name).toStdString();
    }
}

}  // namespace
}  // namespace qv::test
