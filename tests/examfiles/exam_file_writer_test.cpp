#include "examfiles/exam_file_writer.h"
#include "exam_files_fixture.h"
#include "examfiles/builtin_texts.h"
#include "examfiles/project_text.h"
#include "login/exam_state.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace qv::test {
namespace {

QByteArray bytes(const QString& text) {
    return toAnsi(text);
}
QByteArray written(const QString& text) {
    return toAnsi(text) + "\r\n";
}

const QString kForm = u"VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"窗体\"\r\nEnd\r\n"_s;

struct WriterCase {
    const char* label;
    Fields fields;
    // Every file the student folder holds afterwards (besides WARN), with its bytes. Each one
    // stands in the backup folder too, with the same bytes.
    std::map<QString, QByteArray> files;
};

class ExamWriterCases : public ExamFilesTest, public ::testing::WithParamInterface<WriterCase> {};

TEST_P(ExamWriterCases, WritesExactlyTheseFilesInBothFolders) {
    useBank({record(101, GetParam().fields)});
    writeExamFiles(context(), 1);
    QStringList expectedNames{u"WARN/"_s};
    for (const auto& [name, content] : GetParam().files) {
        expectedNames << name << u"WARN/"_s + name;
        EXPECT_EQ(student(name), content) << name.toStdString();
        EXPECT_EQ(backup(name), content) << "WARN/" << name.toStdString();
    }
    expectedNames.sort();
    EXPECT_EQ(studentFiles(), expectedNames);
}

const QByteArray kExamVbpA = written(projectFileText(ProjectVariant::Exam, 1, u"A"_s));

INSTANTIATE_TEST_SUITE_P(
    Fields, ExamWriterCases,
    ::testing::Values(
        WriterCase{"NothingToWrite",
                   {{"frm文件", u"0"_s},
                    {"vbp文件", u"E"_s},
                    {"bas文件", u" 0 "_s},
                    {"in文件", u"0"_s},
                    {"其它文件", u"0"_s},
                    {"图片文件", u"0"_s}},
                   {}},
        WriterCase{"EmptyAndMissingValuesMeanNothing",
                   {{"frm文件", u""_s}, {"bas文件", u""_s}, {"in文件", std::nullopt}},
                   {}},
        WriterCase{"FormZeroWithSpacesIsAForm",
                   {{"frm文件", u" 0 "_s}, {"vbp文件", u"A"_s}},
                   {{u"sjt1.frm"_s, " 0 \r\n"}, {u"sjt1.vbp"_s, kExamVbpA}}},
        WriterCase{"FormLosesOnlyALeadingLineFeed",
                   {{"frm文件", u"\n"_s + kForm}, {"vbp文件", u"A"_s}},
                   {{u"sjt1.frm"_s, written(kForm)}, {u"sjt1.vbp"_s, kExamVbpA}}},
        WriterCase{"FormKeepsALeadingCarriageReturn",
                   {{"frm文件", u"\r\n"_s + kForm}, {"vbp文件", u"A"_s}},
                   {{u"sjt1.frm"_s, written(u"\r\n"_s + kForm)}, {u"sjt1.vbp"_s, kExamVbpA}}},
        WriterCase{"TwoFormCodeE",
                   {{"frm文件", kForm}, {"vbp文件", u"E"_s}},
                   {{u"sjt11.frm"_s, written(kForm)},
                    {u"sjt1.vbp"_s, written(projectFileText(ProjectVariant::Exam, 1, u"E"_s))}}},
        WriterCase{"CodeSpaceEIsOneForm",
                   {{"frm文件", kForm}, {"vbp文件", u" E"_s}},
                   {{u"sjt1.frm"_s, written(kForm)},
                    {u"sjt1.vbp"_s, written(projectFileText(ProjectVariant::Exam, 1, u" E"_s))}}},
        WriterCase{"ModuleNameIsLowerCased",
                   {{"frm文件", u"0"_s}, {"bas文件", u"MODE1.BAS"_s}},
                   {{u"mode1.bas"_s, written(moduleText(u"mode1.bas"_s))}}},
        WriterCase{"UnknownModuleGetsTheDefaultText",
                   {{"bas文件", u" tools.bas "_s}},
                   {{u"tools.bas"_s, written(moduleText(u"other.bas"_s))}}},
        WriterCase{"Mode2Module",
                   {{"bas文件", u"mode2.bas"_s}},
                   {{u"mode2.bas"_s, written(moduleText(u"mode2.bas"_s))}}},
        WriterCase{
            "InTxt", {{"in文件", u" in.txt "_s}}, {{u"in.txt"_s, written(dataText(u"in.txt"_s))}}},
        WriterCase{"In5Txt", {{"in文件", u"in5.txt"_s}}, {{u"in5.txt"_s, "VisualBasic\r\n"}}},
        WriterCase{"Datain1Txt",
                   {{"in文件", u"datain1.txt"_s}},
                   {{u"datain1.txt"_s, written(dataText(u"datain1.txt"_s))}}},
        WriterCase{"UnknownDataFileHoldsJustTheLineEnd",
                   {{"in文件", u"numbers.dat"_s}},
                   {{u"numbers.dat"_s, "\r\n"}}},
        WriterCase{"TrafficLightIcons",
                   {{"in文件", u"红绿灯"_s}},
                   {{u"红灯.ico"_s, "ICON:红灯.ico"},
                    {u"绿灯.ico"_s, "ICON:绿灯.ico"},
                    {u"黄灯.ico"_s, "ICON:黄灯.ico"},
                    {u"Cars.ico"_s, "ICON:Cars.ico"}}},
        WriterCase{"SecondFormFromOtherFile",
                   {{"frm文件", kForm},
                    {"vbp文件", u"E"_s},
                    {"其它文件", u"sjt12.frm\r\nVERSION 5.00\r\nBegin VB.Form Form2\r\nEnd"_s}},
                   {{u"sjt11.frm"_s, written(kForm)},
                    {u"sjt1.vbp"_s, written(projectFileText(ProjectVariant::Exam, 1, u"E"_s))},
                    {u"sjt12.frm"_s, "VERSION 5.00\r\nBegin VB.Form Form2\r\nEnd\r\n"}}},
        WriterCase{"OtherFileLosesLeadingSpacesAndNameEnd",
                   {{"其它文件", u"  说明.txt \t\n   第一行\n第二行 "_s}},
                   {{u"说明.txt"_s, bytes(u"第一行\n第二行 \r\n"_s)}}},
        WriterCase{"OtherFileLongExtensionIsCut",
                   {{"其它文件", u"data.text\r\n1 2 3"_s}},
                   {{u"data.tex"_s, "1 2 3\r\n"}}},
        WriterCase{"PictureCopy",
                   {{"图片文件", u" a.bmp/pic1.bmp "_s}},
                   {{u"pic1.bmp"_s, QByteArray("BM\x00\x01picture a", 13)}}},
        WriterCase{"PictureWithChineseNames",
                   {{"图片文件", u"红绿灯.bmp/路口.bmp"_s}},
                   {{u"路口.bmp"_s, QByteArray("BM\xff\xfe lights", 12)}}},
        WriterCase{"PictureFoundCaseInsensitively",
                   {{"图片文件", u"A.BMP/p.bmp"_s}},
                   {{u"p.bmp"_s, QByteArray("BM\x00\x01picture a", 13)}}},
        WriterCase{
            "LaterStepReplacesEarlierFile",
            {{"frm文件", kForm}, {"vbp文件", u"A"_s}, {"其它文件", u"sjt1.frm\r\nreplaced"_s}},
            {{u"sjt1.frm"_s, "replaced\r\n"}, {u"sjt1.vbp"_s, kExamVbpA}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExamFilesTest, ItemNumberNamesTheFilesAndTheProject) {
    useBank({record(304, {{"frm文件", kForm}, {"vbp文件", u"G"_s}})});
    writeExamFiles(context(3), 4);
    EXPECT_EQ(student(u"sjt41.frm"_s), written(kForm));
    const QByteArray vbp = student(u"sjt4.vbp"_s);
    EXPECT_TRUE(vbp.startsWith("Type=Exe\r\nForm=sjt41.frm\r\nForm=sjt42.frm\r\n"));
    EXPECT_TRUE(vbp.contains("Startup=\"Form2\"\r\nCommand32=\"\"\r\nName=\"Project4\"\r\n"));
    EXPECT_TRUE(vbp.endsWith("[MS Transaction Server]\r\nAutoRefresh=1\r\n"));
    EXPECT_EQ(backup(u"sjt4.vbp"_s), vbp);
}

TEST_F(ExamFilesTest, ExistingFilesAreReplacedWhole) {
    drive.writeFile(kStudentDir + u"\\in5.txt"_s, QByteArray(500, 'x'));
    drive.writeFile(kStudentDir + u"\\WARN\\IN5.TXT"_s, QByteArray(500, 'y'));
    useBank({record(101, {{"in文件", u"in5.txt"_s}})});
    writeExamFiles(context(), 1);
    EXPECT_EQ(student(u"in5.txt"_s), "VisualBasic\r\n");
    // Windows names are case-blind: the existing backup file is the one replaced.
    EXPECT_EQ(backup(u"IN5.TXT"_s), "VisualBasic\r\n");
    EXPECT_FALSE(QFileInfo::exists(drive.host(kStudentDir + u"\\WARN"_s) + u"/in5.txt"_s));
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

TEST_F(ExamFilesTest, ContextFromTheExamState) {
    ExamState::reset();
    ExamState& state = ExamState::get();
    state.SetNo = 1;
    state.StudentDir = kStudentDir;
    state.DataDir = kDataDir;
    EXPECT_THROW(ExamFilesContext::fromExamState(state), ExamFileError);  // no bank yet
    useBank({record(101, {{"图片文件", u"a.bmp/p.bmp"_s}})});
    state.BankConn = std::move(bank);
    writeExamFiles(ExamFilesContext::fromExamState(state), 1);
    EXPECT_EQ(backup(u"p.bmp"_s), QByteArray("BM\x00\x01picture a", 13));
    ExamState::reset();
}

}  // namespace
}  // namespace qv::test
