#include "examfiles/builtin_texts.h"
#include "examfiles/project_text.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;

namespace qv {
namespace {

// Lines 7 to 34 of every project file, written out once by hand.
const QString kProjectTail =
    uR"(Command32=""
Name="Project#"
HelpContextID="0"
CompatibleMode="0"
MajorVer=1
MinorVer=0
RevisionVer=0
AutoIncrementVer=0
ServerSupportFiles=0
VersionCompanyName="Orlenix Studio"
CompilationType=0
OptimizationType=0
FavorPentiumPro(tm)=0
CodeViewDebugInfo=0
NoAliasing=0
BoundsCheck=0
OverflowCheck=0
FlPointCheck=0
FDIVCheck=0
UnroundedFP=0
StartMode=0
Unattended=0
Retained=0
ThreadPerObject=0
MaxNumberOfThreads=1

[MS Transaction Server]
AutoRefresh=1)"_s;

const QString kReference =
    uR"(Reference=*\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\WINNT\System32\STDOLE2.TLB#OLE Automation)"_s;

QString crlf(QString text) {
    return text.replace(u"\n"_s, u"\r\n"_s);
}

struct ProjectCase {
    const char* label;
    ProjectVariant variant;
    int item;
    QString code;
    QString bas;
    QStringList head;  // the lines between the Reference line and Command32, and the Form lines
    QString startup;
    QString module;  // empty: no module line
};

class ProjectText : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(ProjectText, HasEveryLineInOrder) {
    const ProjectCase& c = GetParam();
    QStringList lines{u"Type=Exe"_s};
    lines += c.head;
    lines << kReference << uR"(IconForm="Form1")"_s << u"Startup=\""_s + c.startup + u"\""_s;
    if (!c.module.isEmpty()) lines << u"Module=Module1; "_s + c.module;
    const QString expected = crlf(lines.join(u"\n"_s) + u"\n"_s +
                                  QString(kProjectTail).replace(u"#"_s, QString::number(c.item)));
    EXPECT_EQ(projectFileText(c.variant, c.item, c.code, c.bas).toStdString(),
              expected.toStdString());
}

const QStringList kOneForm3{u"Form=sjt3.frm"_s};
const QStringList kTwoForms3{u"Form=sjt31.frm"_s, u"Form=sjt32.frm"_s};
const QStringList kOneForm5{u"Form=sjt5.frm"_s};
const QStringList kTwoForms5{u"Form=sjt51.frm"_s, u"Form=sjt52.frm"_s};
constexpr ProjectVariant Exam = ProjectVariant::Exam;
constexpr ProjectVariant Answer = ProjectVariant::Answer;

INSTANTIATE_TEST_SUITE_P(
    Codes, ProjectText,
    ::testing::Values(
        ProjectCase{"ExamA", Exam, 3, u"A"_s, u"0"_s, kOneForm3, u"Form1"_s, {}},
        ProjectCase{"AnswerA", Answer, 3, u"A"_s, u"0"_s, kOneForm3, u"Form1"_s, {}},
        ProjectCase{"ExamEmptyCode", Exam, 3, {}, {}, kOneForm3, u"Form1"_s, {}},
        ProjectCase{"ExamD", Exam, 3, u"D"_s, u"0"_s, kTwoForms3, u"Form1"_s, {}},
        ProjectCase{"AnswerD", Answer, 3, u"D"_s, u"0"_s, kTwoForms3, u"Form1"_s, {}},
        ProjectCase{"ExamE", Exam, 5, u"E"_s, u"0"_s, kTwoForms5, u"Form2"_s, {}},
        ProjectCase{"AnswerE", Answer, 5, u"E"_s, u"0"_s, kTwoForms5, u"Form2"_s, {}},
        ProjectCase{"ExamF", Exam, 5, u"F"_s, u"0"_s, kTwoForms5, u"Form1"_s, {}},
        ProjectCase{"AnswerF", Answer, 5, u"F"_s, u"0"_s, kTwoForms5, u"Form2"_s, {}},
        ProjectCase{"ExamG", Exam, 5, u"G"_s, u"0"_s, kTwoForms5, u"Form2"_s, {}},
        ProjectCase{"AnswerG", Answer, 5, u"G"_s, u"0"_s, kTwoForms5, u"Form1"_s, {}},
        // A space makes a one-form project in both; only the answer variant trims for Startup.
        ProjectCase{"ExamSpaceE", Exam, 5, u" E"_s, u"0"_s, kOneForm5, u"Form1"_s, {}},
        ProjectCase{"AnswerSpaceE", Answer, 5, u" E"_s, u"0"_s, kOneForm5, u"Form2"_s, {}},
        ProjectCase{"AnswerSpaceF", Answer, 5, u"F "_s, u"0"_s, kOneForm5, u"Form2"_s, {}},
        ProjectCase{"ExamLowerE", Exam, 5, u"e"_s, u"0"_s, kOneForm5, u"Form1"_s, {}},
        // The module line: answer variant only, trimmed, cut, letters as stored.
        ProjectCase{"ExamNeverModule", Exam, 3, u"A"_s, u"mode1.bas"_s, kOneForm3, u"Form1"_s, {}},
        ProjectCase{"AnswerModule", Answer, 3, u"A"_s, u"mode1.bas"_s, kOneForm3, u"Form1"_s,
                    u"mode1.bas"_s},
        ProjectCase{"AnswerModuleAsStored", Answer, 3, u"A"_s, u"  MODE1.BAS "_s, kOneForm3,
                    u"Form1"_s, u"MODE1.BAS"_s},
        ProjectCase{"AnswerModuleCut", Answer, 3, u"A"_s, u"tools.bas\r\n"_s, kOneForm3, u"Form1"_s,
                    u"tools.bas"_s},
        ProjectCase{"AnswerModuleTwoForms", Answer, 5, u"E"_s, u"prog.bas"_s, kTwoForms5,
                    u"Form2"_s, u"prog.bas"_s},
        ProjectCase{"AnswerZeroWithSpaces", Answer, 3, u"A"_s, u" 0 "_s, kOneForm3, u"Form1"_s, {}},
        ProjectCase{"AnswerNoModuleValue", Answer, 3, u"A"_s, {}, kOneForm3, u"Form1"_s, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ProjectTextShape, LineCountsAndTheEmptyLine) {
    const QStringList lines = projectFileText(Exam, 1, u"A"_s).split(u"\r\n"_s);
    EXPECT_EQ(lines.size(), 33);  // the exam variant never has the module line
    EXPECT_EQ(lines.at(30), QString());
    EXPECT_EQ(projectFileText(Answer, 1, u"E"_s, u"mode1.bas"_s).split(u"\r\n"_s).size(), 35);
    EXPECT_FALSE(projectFileText(Exam, 1, u"A"_s).endsWith(u"\r\n"_s));
    EXPECT_FALSE(projectFileText(Exam, 1, u"A"_s).contains(QRegularExpression(u"[^\r]\n"_s)));
}

// The texts of the modules, written out by hand; Q-quotes are plain double quotes.
const QString kDefaultModule =
    uR"(Attribute VB_Name = "Module1"
Option Explicit

Sub putdata(t_FileName As String, T_Str As Variant)
    Dim sFile As String
    sFile = "\" & t_FileName
    Open App.Path & sFile For Output As #1
    Print #1, T_Str
    Close #1
End Sub
)"_s;
const QString kIsprime =
    uR"(Function isprime(t_I As Integer) As Boolean
   Dim J As Integer
   isprime = False
   For J = 2 To t_I / 2
      If t_I Mod J = 0 Then Exit For
   Next J
   If J > t_I / 2 Then isprime = True
End Function
)"_s;
const QString kMode1 =
    uR"(Attribute VB_Name = "Module1"

Sub putdata(a() As Integer, n As Integer)
    Dim sFile As String
    sFile = "\out.txt"
    Open App.Path & sFile For Output As #1
    For i = 1 To n
    Print #1, a(i);
    Next
    Close #1
End Sub
)"_s;
const QString kProg =
    uR"(Attribute VB_Name = "Module1"

Sub putdata(ByVal a As Integer)
    Dim sFile As String
    sFile = "\result.txt"
    Open App.Path & sFile For Output As #1
    Print #1, a;
    Close #1
End Sub
)"_s;

struct ModuleCase {
    const char* name;
    QString expected;
    int lines;
};

class ModuleText : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleText, IsChosenByNameWithItsLineCount) {
    const ModuleCase& c = GetParam();
    const QString text = moduleText(QString::fromUtf8(c.name));
    EXPECT_EQ(text.toStdString(), crlf(c.expected).toStdString());
    EXPECT_EQ(text.split(u"\r\n"_s).size(), c.lines);
    EXPECT_FALSE(text.contains(QRegularExpression(u"[^\r]\n"_s)));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ModuleText,
    ::testing::Values(ModuleCase{"mode1.bas", kMode1, 12},
                      ModuleCase{"mode2.bas", kDefaultModule + u"\n"_s + kIsprime, 20},
                      ModuleCase{"prog.bas", kProg, 10},
                      ModuleCase{"prog1.bas",
                                 QString(kMode1).replace(u"\\out.txt"_s, u"\\result.txt"_s), 12},
                      ModuleCase{"other.bas", kDefaultModule, 11},
                      ModuleCase{"tools.bas", kDefaultModule, 11},
                      // The writer lower-cases first; upper case here is just another name.
                      ModuleCase{"MODE1.BAS", kDefaultModule, 11}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) c = (c == '.') ? '_' : c;
        return name + std::to_string(info.index);
    });

TEST(ModuleTextShape, OnlyTheDefaultTextDeclaresOptionExplicit) {
    EXPECT_TRUE(moduleText(u"x.bas"_s).contains(u"Option Explicit"_s));
    EXPECT_TRUE(moduleText(u"mode2.bas"_s).contains(u"Option Explicit"_s));
    for (const QString& name : {u"mode1.bas"_s, u"prog.bas"_s, u"prog1.bas"_s}) {
        EXPECT_FALSE(moduleText(name).contains(u"Option Explicit"_s)) << name.toStdString();
    }
}

const QStringList kInLines{
    u" 705  533  579  289  301  774  14  760  814  709  45  414  862  790  373  961  871  56  949  364 "_s,
    u" 524  767  53  592  468  298  622  647  263  279  829  824  589  986  910  226  695  980  243  533 "_s,
    u" 106  999  676  15  575  100  103  798  284  45  295  382  300  948  979  401  278  160  162  646 "_s,
    u" 410  412  712  326  633  207  186  583  80  457  905  261  785  378  289  919  631  627  428  97 "_s,
    u" 561  694  913  834  22  543  916  430  677  502  513  462  353  404  269  55  243  979  60  390 "_s};

TEST(DataText, InTxtIsFiveNumberLinesThenAnEmptyLine) {
    EXPECT_EQ(dataText(u"in.txt"_s).toStdString(),
              (kInLines.join(u"\r\n"_s) + u"\r\n"_s).toStdString());
    const QStringList numbers =
        dataText(u"in.txt"_s).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    EXPECT_EQ(numbers.size(), 100);
}

TEST(DataText, Datain1IsTheTenthsOfInTxtOnOneLine) {
    const QString text = dataText(u"datain1.txt"_s);
    EXPECT_TRUE(text.startsWith(u"70  53  57  28  30  77  1  76  81  70  "_s));
    EXPECT_TRUE(text.endsWith(u"  5  24  97  6  39"_s));
    EXPECT_FALSE(text.contains(QChar('\r')) || text.contains(QChar('\n')));
    const QStringList numbers = text.split(u"  "_s);
    ASSERT_EQ(numbers.size(), 100);
    EXPECT_EQ(numbers.at(0), u"70"_s);
    EXPECT_EQ(numbers.at(6), u"1"_s);
    const QStringList source = kInLines.join(u" "_s).split(u" "_s, Qt::SkipEmptyParts);
    ASSERT_EQ(source.size(), 100);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(numbers.at(i).toInt(), source.at(i).toInt() / 10) << "number " << i + 1;
    }
}

TEST(DataText, OtherNamesAreChosenExactly) {
    EXPECT_EQ(dataText(u"in5.txt"_s), u"VisualBasic"_s);
    EXPECT_EQ(dataText(u"IN.TXT"_s), QString());
    EXPECT_EQ(dataText(u"in.txt "_s), QString());
    EXPECT_EQ(dataText(u"numbers.dat"_s), QString());
}

}  // namespace
}  // namespace qv
