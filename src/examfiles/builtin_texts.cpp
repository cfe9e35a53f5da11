#include "builtin_texts.h"

#include "platform/text_rules.h"

namespace qv {
namespace {

const QString kModuleHeader = QStringLiteral("Attribute VB_Name = \"Module1\"");

QStringList defaultModuleLines() {
    return {kModuleHeader,
            QStringLiteral("Option Explicit"),
            QString(),
            QStringLiteral("Sub putdata(t_FileName As String, T_Str As Variant)"),
            QStringLiteral("    Dim sFile As String"),
            QStringLiteral("    sFile = \"\\\" & t_FileName"),
            QStringLiteral("    Open App.Path & sFile For Output As #1"),
            QStringLiteral("    Print #1, T_Str"),
            QStringLiteral("    Close #1"),
            QStringLiteral("End Sub"),
            QString()};
}

QStringList isprimeLines() {
    return {QStringLiteral("Function isprime(t_I As Integer) As Boolean"),
            QStringLiteral("   Dim J As Integer"),
            QStringLiteral("   isprime = False"),
            QStringLiteral("   For J = 2 To t_I / 2"),
            QStringLiteral("      If t_I Mod J = 0 Then Exit For"),
            QStringLiteral("   Next J"),
            QStringLiteral("   If J > t_I / 2 Then isprime = True"),
            QStringLiteral("End Function"),
            QString()};
}

// The array writer of mode1.bas and prog1.bas; they differ only in the output file.
QStringList arrayModuleLines(const QString& outputFile) {
    return {kModuleHeader,
            QString(),
            QStringLiteral("Sub putdata(a() As Integer, n As Integer)"),
            QStringLiteral("    Dim sFile As String"),
            QStringLiteral("    sFile = \"\\") + outputFile + QStringLiteral("\""),
            QStringLiteral("    Open App.Path & sFile For Output As #1"),
            QStringLiteral("    For i = 1 To n"),
            QStringLiteral("    Print #1, a(i);"),
            QStringLiteral("    Next"),
            QStringLiteral("    Close #1"),
            QStringLiteral("End Sub"),
            QString()};
}

QStringList progModuleLines() {
    return {kModuleHeader,
            QString(),
            QStringLiteral("Sub putdata(ByVal a As Integer)"),
            QStringLiteral("    Dim sFile As String"),
            QStringLiteral("    sFile = \"\\result.txt\""),
            QStringLiteral("    Open App.Path & sFile For Output As #1"),
            QStringLiteral("    Print #1, a;"),
            QStringLiteral("    Close #1"),
            QStringLiteral("End Sub"),
            QString()};
}

QString inTxtText() {
    const QList<int>& numbers = inTxtNumbers();
    QStringList lines;
    for (qsizetype row = 0; row < 5; ++row) {
        QString line;
        for (qsizetype column = 0; column < 20; ++column) {
            line += printNumber(numbers.at(row * 20 + column));
        }
        lines.append(line);
    }
    lines.append(QString());  // the file ends with an empty line
    return joinLines(lines);
}

QString datain1Text() {
    QStringList numbers;
    for (int value : inTxtNumbers()) numbers.append(QString::number(value / 10));
    return numbers.join(QStringLiteral("  "));
}

}  // namespace

QString joinLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

const QList<int>& inTxtNumbers() {
    static const QList<int> numbers = {
        705, 533, 579, 289, 301, 774, 14,  760, 814, 709, 45,  414, 862, 790, 373, 961, 871,
        56,  949, 364, 524, 767, 53,  592, 468, 298, 622, 647, 263, 279, 829, 824, 589, 986,
        910, 226, 695, 980, 243, 533, 106, 999, 676, 15,  575, 100, 103, 798, 284, 45,  295,
        382, 300, 948, 979, 401, 278, 160, 162, 646, 410, 412, 712, 326, 633, 207, 186, 583,
        80,  457, 905, 261, 785, 378, 289, 919, 631, 627, 428, 97,  561, 694, 913, 834, 22,
        543, 916, 430, 677, 502, 513, 462, 353, 404, 269, 55,  243, 979, 60,  390};
    return numbers;
}

QString moduleText(const QString& moduleFileName) {
    if (moduleFileName == QStringLiteral("mode1.bas")) {
        return joinLines(arrayModuleLines(QStringLiteral("out.txt")));
    }
    if (moduleFileName == QStringLiteral("mode2.bas")) {
        return joinLines(defaultModuleLines() + isprimeLines());
    }
    if (moduleFileName == QStringLiteral("prog.bas")) return joinLines(progModuleLines());
    if (moduleFileName == QStringLiteral("prog1.bas")) {
        return joinLines(arrayModuleLines(QStringLiteral("result.txt")));
    }
    return joinLines(defaultModuleLines());
}

QString dataText(const QString& dataFileName) {
    if (dataFileName == QStringLiteral("in.txt")) return inTxtText();
    if (dataFileName == QStringLiteral("in5.txt")) return QStringLiteral("VisualBasic");
    if (dataFileName == QStringLiteral("datain1.txt")) return datain1Text();
    return QString();
}

}  // namespace qv
