#include "exam_files_fixture.h"
#include "examfiles/answer_writer.h"
#include "examfiles/exam_file_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace qv::test {
namespace {

using Writer = std::function<void(const ExamFilesContext&, int16_t)>;

struct FailureCase {
    const char* label;
    Writer writer;
    Fields fields;
    QString field;              // the field the error names
    QString pathEnd;            // how the path of the error ends (empty: no path)
    QStringList filesBefore;    // what earlier steps left in the student folder
    QString missingImage = {};  // taken out of the image folder first
};

const Writer kExam = writeExamFiles;
const Writer kAnswers = writeAnswerFiles;
const QString kForm = u"VERSION 5.00\r\nEnd"_s;

class FailingStep : public ExamFilesTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailingStep, EndsTheCallAndKeepsEarlierFiles) {
    const FailureCase& c = GetParam();
    if (!c.missingImage.isEmpty()) QFile::remove(drive.host(kImageDir + u"\\"_s + c.missingImage));
    useBank({record(201, c.fields)});
    try {
        c.writer(context(2), 1);
        FAIL() << "no error";
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.set(), 2);
        EXPECT_EQ(error.item(), 1);
        EXPECT_EQ(error.field(), c.field);
        EXPECT_TRUE(error.path().endsWith(c.pathEnd)) << error.path().toStdString();
        if (c.pathEnd.isEmpty()) {
            EXPECT_TRUE(error.path().isEmpty()) << error.what();
        }
        EXPECT_FALSE(error.message().contains(QChar('\n')));
        EXPECT_TRUE(error.message().startsWith(u"set 2, item 1"_s)) << error.what();
    }
    QStringList expected = c.filesBefore;
    expected << u"WARN/"_s;
    expected.sort();
    EXPECT_EQ(studentFiles(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingStep,
    ::testing::Values(
        FailureCase{"ModuleNameWithoutDot",
                    kExam,
                    {{"frm文件", kForm}, {"vbp文件", u"A"_s}, {"bas文件", u"module"_s}},
                    u"bas文件"_s,
                    u"module"_s,
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s, u"WARN/sjt1.frm"_s, u"WARN/sjt1.vbp"_s}},
        FailureCase{"OtherFileWithoutLineFeed",
                    kExam,
                    {{"in文件", u"in5.txt"_s}, {"其它文件", u"sjt12.frm"_s}},
                    u"其它文件"_s,
                    {},
                    {u"in5.txt"_s, u"WARN/in5.txt"_s}},
        FailureCase{"OtherFileWithEmptyFirstLine",
                    kExam,
                    {{"其它文件", u"\r\nVERSION 5.00"_s}},
                    u"其它文件"_s,
                    u"\r"_s,
                    {}},
        FailureCase{"PictureWithoutSlash",
                    kExam,
                    {{"bas文件", u"prog.bas"_s}, {"图片文件", u"a.bmp"_s}},
                    u"图片文件"_s,
                    u"a.bmp"_s,
                    {u"prog.bas"_s, u"WARN/prog.bas"_s}},
        FailureCase{"PictureMissingFromImageFolder",
                    kExam,
                    {{"frm文件", kForm}, {"in文件", u"in.txt"_s}, {"图片文件", u"b.bmp/p.bmp"_s}},
                    u"图片文件"_s,
                    u"\\img\\b.bmp"_s,
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s, u"in.txt"_s, u"WARN/sjt1.frm"_s,
                     u"WARN/sjt1.vbp"_s, u"WARN/in.txt"_s}},
        FailureCase{"IconMissingFromImageFolder",
                    kExam,
                    {{"in文件", u"红绿灯"_s}},
                    u"in文件"_s,
                    u"\\img\\Cars.ico"_s,
                    {u"红灯.ico"_s, u"绿灯.ico"_s, u"黄灯.ico"_s, u"WARN/红灯.ico"_s,
                     u"WARN/绿灯.ico"_s, u"WARN/黄灯.ico"_s},
                    u"Cars.ico"_s},
        FailureCase{"AnswerOutputWithoutDot",
                    kAnswers,
                    {{"答文frm", kForm}, {"答文out", u"out"_s}},
                    u"答文out"_s,
                    u"out"_s,
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s}},
        FailureCase{"AnswerPictureWithoutSlash",
                    kAnswers,
                    {{"答文frm", kForm}, {"答文out", u"out.txt"_s}, {"其它答文", u"pic a.bmp"_s}},
                    u"其它答文"_s,
                    u"a.bmp"_s,
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s, u"out.txt"_s}},
        FailureCase{"AnswerPictureMissing",
                    kAnswers,
                    {{"答文frm", kForm}, {"其它答文", u"pic b.bmp/p.bmp"_s}},
                    u"其它答文"_s,
                    u"\\img\\b.bmp"_s,
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s}},
        FailureCase{"AnswerFormFileWithoutLineFeed",
                    kAnswers,
                    {{"答文frm", kForm}, {"其它答文", u"sjt12.frm"_s}},
                    u"其它答文"_s,
                    {},
                    {u"sjt1.frm"_s, u"sjt1.vbp"_s}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExamFilesTest, MissingRecordWritesNothing) {
    useBank({record(101, {{"frm文件", kForm}})});
    for (const Writer& writer : {kExam, kAnswers}) {
        try {
            writer(context(1), 2);
            ADD_FAILURE() << "no error";
        } catch (const ExamFileError& error) {
            EXPECT_EQ(error.field(), u"题号"_s);
            EXPECT_TRUE(error.reason().contains(u"102"_s)) << error.what();
        }
    }
    EXPECT_EQ(studentFiles(), QStringList{u"WARN/"_s});
}

TEST_F(ExamFilesTest, KeyAboveTheBanksRangeIsRefused) {
    useBank({record(101, {{"frm文件", kForm}})});
    try {
        writeExamFiles(context(328), 1);  // 32801 overflows the 16-bit key
        FAIL() << "no error";
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.set(), 328);
        EXPECT_EQ(error.field(), u"题号"_s);
        EXPECT_TRUE(error.reason().contains(u"32801"_s)) << error.what();
    }
}

TEST_F(ExamFilesTest, MissingBackupFolderFailsAfterTheStudentFile) {
    QDir(drive.host(kStudentDir + u"\\WARN"_s)).removeRecursively();
    useBank({record(101, {{"frm文件", kForm}, {"vbp文件", u"A"_s}})});
    try {
        writeExamFiles(context(), 1);
        FAIL() << "no error";
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.field(), u"frm文件"_s);
        EXPECT_EQ(error.path(), kStudentDir + u"\\WARN\\sjt1.frm"_s);
    }
    EXPECT_EQ(studentFiles(), QStringList{u"sjt1.frm"_s});
}

TEST_F(ExamFilesTest, MissingStudentFolderIsACreateFailure) {
    QDir(drive.host(kStudentDir)).removeRecursively();
    useBank({record(101, {{"答文frm", kForm}})});
    try {
        writeAnswerFiles(context(), 1);
        FAIL() << "no error";
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.field(), u"答文frm"_s);
        EXPECT_EQ(error.path(), kStudentDir + u"\\sjt1.frm"_s);
    }
    EXPECT_FALSE(drive.exists(kStudentDir));
}

}  // namespace
}  // namespace qv::test
