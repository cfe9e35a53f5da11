#include "project_text.h"

#include "builtin_texts.h"
#include "platform/text_rules.h"

#include <QStringList>

namespace qv {
namespace {

bool startsWithForm2(ProjectVariant variant, const QString& projectCode) {
    // The exam variant looks at the code as stored, the answer variant at the trimmed code, and
    // the two disagree on "F" and "G".
    if (variant == ProjectVariant::Exam) {
        return projectCode == QStringLiteral("E") || projectCode == QStringLiteral("G");
    }
    const QString code = trimSpaces(projectCode);
    return code == QStringLiteral("E") || code == QStringLiteral("F");
}

}  // namespace

bool isTwoFormCode(const QString& projectCode) {
    return projectCode == QStringLiteral("D") || projectCode == QStringLiteral("E") ||
           projectCode == QStringLiteral("F") || projectCode == QStringLiteral("G");
}

QString projectFileText(ProjectVariant variant, int item, const QString& projectCode,
                        const QString& basField) {
    const QString n = QString::number(item);
    QStringList lines{QStringLiteral("Type=Exe")};
    if (isTwoFormCode(projectCode)) {
        lines << QStringLiteral("Form=sjt") + n + QStringLiteral("1.frm")
              << QStringLiteral("Form=sjt") + n + QStringLiteral("2.frm");
    } else {
        lines << QStringLiteral("Form=sjt") + n + QStringLiteral(".frm");
    }
    lines << QStringLiteral(
                 "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\WINNT\\System32\\"
                 "STDOLE2.TLB#OLE Automation")
          << QStringLiteral("IconForm=\"Form1\"")
          << (startsWithForm2(variant, projectCode) ? QStringLiteral("Startup=\"Form2\"")
                                                    : QStringLiteral("Startup=\"Form1\""));
    const QString module = trimSpaces(basField);
    if (variant == ProjectVariant::Answer && !module.isEmpty() && module != QStringLiteral("0")) {
        lines << QStringLiteral("Module=Module1; ") + extensionCut(module);
    }
    lines << QStringLiteral("Command32=\"\"") << QStringLiteral("Name=\"Project") + n + QChar('"')
          << QStringLiteral("HelpContextID=\"0\"") << QStringLiteral("CompatibleMode=\"0\"")
          << QStringLiteral("MajorVer=1") << QStringLiteral("MinorVer=0")
          << QStringLiteral("RevisionVer=0") << QStringLiteral("AutoIncrementVer=0")
          << QStringLiteral("ServerSupportFiles=0")
          << QStringLiteral("VersionCompanyName=\"Orlenix Studio\"")
          << QStringLiteral("CompilationType=0") << QStringLiteral("OptimizationType=0")
          << QStringLiteral("FavorPentiumPro(tm)=0") << QStringLiteral("CodeViewDebugInfo=0")
          << QStringLiteral("NoAliasing=0") << QStringLiteral("BoundsCheck=0")
          << QStringLiteral("OverflowCheck=0") << QStringLiteral("FlPointCheck=0")
          << QStringLiteral("FDIVCheck=0") << QStringLiteral("UnroundedFP=0")
          << QStringLiteral("StartMode=0") << QStringLiteral("Unattended=0")
          << QStringLiteral("Retained=0") << QStringLiteral("ThreadPerObject=0")
          << QStringLiteral("MaxNumberOfThreads=1") << QString()
          << QStringLiteral("[MS Transaction Server]") << QStringLiteral("AutoRefresh=1");
    return joinLines(lines);
}

}  // namespace qv
