#include "app/admin_commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const kUsage =
    "Usage: quorvane-admin COMMAND [ARGS]\n"
    "Question-bank and teacher tasks of Quorvane.\n"
    "\n"
    "Commands:\n"
    "  bank build SOURCE OUT      build an encrypted bank from a JSON file or a source folder\n"
    "  bank dump BANK             print every record as JSON, in stored order\n"
    "  bank count BANK            print the number of question sets\n"
    "  bank check BANK            list what is broken in a bank (exit 1 when anything is)\n"
    "  paper write --bank BANK --set N --dir DIR     write a fresh exam folder\n"
    "  paper answers --bank BANK --set N --dir DIR   write the reference answers into DIR\n"
    "  grade --bank BANK --set N --dir DIR [--json]  grade one exam folder\n"
    "  grade-all --bank BANK --root DIR              grade every exam folder below DIR (CSV)\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (args.isEmpty() || args.first() == QStringLiteral("--help") ||
        args.first() == QStringLiteral("-h")) {
        out << kUsage;
        return args.isEmpty() ? 1 : 0;
    }
    if (args.first() == QStringLiteral("--version")) {
        out << "7.3.0\n";
        return 0;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("bank")) return qv::admin::bankCommand(args);
    if (command == QStringLiteral("paper")) return qv::admin::paperCommand(args);
    if (command == QStringLiteral("grade")) return qv::admin::gradeCommand(args);
    if (command == QStringLiteral("grade-all")) return qv::admin::gradeAllCommand(args);
    return qv::admin::fail(QStringLiteral("unknown command: ") + command);
}
