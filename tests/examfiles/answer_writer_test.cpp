#include "examfiles/answer_writer.h"
#include "exam_files_fixture.h"
#include "examfiles/exam_file_writer.h"
#include "examfiles/project_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace qv::test {
namespace {

QByteArray written(const QString& text) {
    return toAnsi(text) + "\r\n";
}

const QString kAnswerForm =
    u"VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"答案\"\r\nEnd"_s;
const QByteArray kStudentWork = "the student's own work\r\n";

struct AnswerCase {
    const char* label;
    Fields fields;
    std::map<QString, QByteArray> files;  // the student folder afterwards, besides WARN
};

// The student folder holds the student's versions of sjt1.frm and sjt1.vbp before each case.
class AnswerWriterCases : public ExamFilesTest, public ::testing::WithParamInterface<AnswerCase> {
  protected:
    void SetUp() override {
        ExamFilesTest::SetUp();
        drive.writeFile(kStudentDir + u"\\sjt1.frm"_s, kStudentWork);
        drive.writeFile(kStudentDir + u"\\sjt1.vbp"_s, kStudentWork);
    }
};

TEST_P(AnswerWriterCases, WritesTheseFilesAndNoBackup) {
    useBank({record(101, GetParam().fields)});
    writeAnswerFiles(context(), 1);
    QStringList expectedNames{u"WARN/"_s};
    for (const auto& [name, content] : GetParam().files) {
        expectedNames << name;
        EXPECT_EQ(student(name), content) << name.toStdString();
    }
    expectedNames.sort();
    EXPECT_EQ(studentFiles(), expectedNames);
}

QByteArray answerVbp(const QString& code, const QString& bas) {
    return written(projectFileText(ProjectVariant::Answer, 1, code, bas));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AnswerWriterCases,
    ::testing::Values(
        AnswerCase{"OneFormItemKeepsTheExamProject",
                   {{"答文frm", kAnswerForm}, {"frm文件", u"VERSION 5.00"_s}, {"vbp文件", u"A"_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)}, {u"sjt1.vbp"_s, kStudentWork}}},
        AnswerCase{"ItemWithoutFormGetsAProjectWithModule",
                   {{"答文frm", u"\n"_s + kAnswerForm},
                    {"frm文件", u"0"_s},
                    {"vbp文件", u"A"_s},
                    {"bas文件", u"mode1.bas"_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, answerVbp(u"A"_s, u"mode1.bas"_s)}}},
        AnswerCase{"FormWithoutValueCountsAsZero",
                   {{"答文frm", kAnswerForm}, {"bas文件", u"0"_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)}, {u"sjt1.vbp"_s, answerVbp({}, {})}}},
        AnswerCase{"TwoFormItemE",
                   {{"答文frm", kAnswerForm},
                    {"frm文件", u"VERSION 5.00"_s},
                    {"vbp文件", u"E"_s},
                    {"其它答文", u"sjt12.frm\r\nVERSION 5.00\r\nBegin VB.Form Form2"_s}},
                   {{u"sjt1.frm"_s, kStudentWork},
                    {u"sjt11.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, answerVbp(u"E"_s, {})},
                    {u"sjt12.frm"_s, "VERSION 5.00\r\nBegin VB.Form Form2\r\n"}}},
        AnswerCase{"OutputStopsAtTheFirstHash",
                   {{"答文frm", kAnswerForm},
                    {"frm文件", u"x"_s},
                    {"答文out", u" out.txt "_s},
                    {"其它答文", u"12 34#more#rest"_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, kStudentWork},
                    {u"out.txt"_s, "12 34\r\n"}}},
        AnswerCase{"OutputWithoutHashIsWrittenWhole",
                   {{"答文frm", kAnswerForm},
                    {"frm文件", u"x"_s},
                    {"答文out", u"result.txt"_s},
                    {"其它答文", u" 1  2 \r\n 3 "_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, kStudentWork},
                    {u"result.txt"_s, " 1  2 \r\n 3 \r\n"}}},
        AnswerCase{"AnswerFormZeroIsWritten",
                   {{"答文frm", u"0"_s}, {"frm文件", u"x"_s}},
                   {{u"sjt1.frm"_s, "0\r\n"}, {u"sjt1.vbp"_s, kStudentWork}}},
        AnswerCase{"AnswerFormWithoutValueIsEmpty",
                   {{"frm文件", u"x"_s}},
                   {{u"sjt1.frm"_s, "\r\n"}, {u"sjt1.vbp"_s, kStudentWork}}},
        AnswerCase{"PictureCopy",
                   {{"答文frm", kAnswerForm},
                    {"frm文件", u"x"_s},
                    {"其它答文", u"  pic  a.bmp/答案.bmp "_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, kStudentWork},
                    {u"答案.bmp"_s, QByteArray("BM\x00\x01picture a", 13)}}},
        AnswerCase{
            "CapitalPicCopiesNothing",
            {{"答文frm", kAnswerForm}, {"frm文件", u"x"_s}, {"其它答文", u"Pic a.bmp/p.bmp"_s}},
            {{u"sjt1.frm"_s, written(kAnswerForm)}, {u"sjt1.vbp"_s, kStudentWork}}},
        // The three readings of 其它答文 are independent of each other.
        AnswerCase{"OutputAndNamedFormFromOneText",
                   {{"答文frm", kAnswerForm},
                    {"frm文件", u"x"_s},
                    {"答文out", u"out.txt"_s},
                    {"其它答文", u"sjt12.frm\r\n   A#B"_s}},
                   {{u"sjt1.frm"_s, written(kAnswerForm)},
                    {u"sjt1.vbp"_s, kStudentWork},
                    {u"out.txt"_s, "sjt12.frm\r\n   A\r\n"},
                    {u"sjt12.frm"_s, "A#B\r\n"}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExamFilesTest, AnswersOverTheExamFolderTwiceGiveTheSameFiles) {
    useBank({record(101, {{"frm文件", u"0"_s},
                          {"vbp文件", u"A"_s},
                          {"bas文件", u"MODE1.BAS"_s},
                          {"in文件", u"in.txt"_s},
                          {"答文frm", kAnswerForm},
                          {"答文out", u"out.txt"_s},
                          {"其它答文", u"pic a.bmp/p.bmp"_s}})});
    writeExamFiles(context(), 1);
    const auto backupBefore = snapshot(drive.host(kStudentDir + u"\\WARN"_s));
    writeAnswerFiles(context(), 1);
    const auto once = snapshot(drive.host(kStudentDir));
    writeAnswerFiles(context(), 1);
    EXPECT_EQ(snapshot(drive.host(kStudentDir)), once);
    EXPECT_EQ(snapshot(drive.host(kStudentDir + u"\\WARN"_s)), backupBefore);
    // The module and the data file of the exam stay; the project now names the module as stored.
    EXPECT_EQ(student(u"mode1.bas"_s), backup(u"mode1.bas"_s));
    EXPECT_TRUE(student(u"sjt1.vbp"_s).contains("\r\nModule=Module1; MODE1.BAS\r\nCommand32="));
    EXPECT_EQ(student(u"out.txt"_s), "pic a.bmp/p.bmp\r\n");
    EXPECT_EQ(student(u"p.bmp"_s), QByteArray("BM\x00\x01picture a", 13));
}

}  // namespace
}  // namespace qv::test
