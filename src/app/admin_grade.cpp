#include "app/admin_commands.h"

#include "grading/grader.h"
#include "grading/paper_grading.h"
#include "grading/score_report.h"
#include "login/question_bank.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <map>
#include <optional>

namespace qv::admin {
namespace {

// --name VALUE options and --flag switches; anything else is an error.
struct Options {
    std::map<QString, QString> values;
    bool json = false;
};

std::optional<Options> parseOptions(const QStringList& args, const QStringList& valueNames,
                                    bool allowJson, QString& error) {
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (allowJson && word == QStringLiteral("--json")) {
            options.json = true;
        } else if (valueNames.contains(word) && i + 1 < args.size()) {
            options.values[word] = args.at(++i);
        } else {
            error = valueNames.contains(word) ? word + QStringLiteral(" needs a value")
                                              : QStringLiteral("unexpected argument: ") + word;
            return std::nullopt;
        }
    }
    for (const QString& name : valueNames) {
        if (!options.values.count(name)) {
            error = QStringLiteral("missing ") + name;
            return std::nullopt;
        }
    }
    return options;
}

QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                out += QStringLiteral("\\\"");
                break;
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
                } else {
                    out += c;
                }
        }
    }
    return out + QChar('"');
}

QString csvField(const QString& text) {
    static const QRegularExpression special(QStringLiteral("[,\"\r\n]"));
    if (!text.contains(special)) return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QChar('"') + quoted + QChar('"');
}

// The rows in the order the answers window shows them: items 1..5, then the total.
QStringList shownRows(const PaperGrade& grade, int setNo) {
    const std::array<QString, 6> rows = reportRows(grade.scores, setNo);
    return {rows[1], rows[2], rows[3], rows[4], rows[5], rows[0]};
}

QString jsonReport(const PaperGrade& grade, int setNo, const std::array<QString, 6>& notes) {
    QString json =
        QStringLiteral("{\"set\": %1, \"total\": %2, \"items\": [").arg(setNo).arg(grade.total);
    for (int item = 1; item <= 5; ++item) {
        const auto i = static_cast<size_t>(item);
        if (item > 1) json += QStringLiteral(", ");
        json += QStringLiteral("{\"item\": %1, \"score\": %2, \"max\": %3, \"notes\": ")
                    .arg(item)
                    .arg(grade.scores[i])
                    .arg(kItemMaxAtLoad[i]) +
                jsonString(notes[i]) + QChar('}');
    }
    json += QStringLiteral("], \"rows\": [");
    const QStringList rows = shownRows(grade, setNo);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i > 0) json += QStringLiteral(", ");
        json += jsonString(rows.at(i));
    }
    return json + QStringLiteral("]}\n");
}

std::unique_ptr<Connection> openBank(const QString& path, QString& error) {
    try {
        return openBankFile(path);
    } catch (const BankError& e) {
        error = e.message();
        return nullptr;
    }
}

// Grades one folder; a failing bank gives no grade and says why.
std::optional<PaperGrade> gradeFolder(Connection& bank, int setNo, const QString& dir,
                                      std::array<QString, 6>& notes, QString& error) {
    try {
        return gradePaper(GradingContext{static_cast<int16_t>(setNo), dir, bank, notes});
    } catch (const BankError& e) {
        error = e.message();
    } catch (const DatabaseError& e) {
        error = QStringLiteral("question bank: ") + QString::fromStdString(e.what());
    }
    return std::nullopt;
}

}  // namespace

int gradeCommand(const QStringList& args) {
    QString error;
    const auto options = parseOptions(
        args, {QStringLiteral("--bank"), QStringLiteral("--set"), QStringLiteral("--dir")}, true,
        error);
    if (!options) return fail(QStringLiteral("grade: ") + error);
    bool ok = false;
    const int setNo = options->values.at(QStringLiteral("--set")).toInt(&ok);
    if (!ok || setNo < 1 || setNo > INT16_MAX) {
        return fail(QStringLiteral("grade: --set needs a set number from 1 to 32767"));
    }
    const QString dir = options->values.at(QStringLiteral("--dir"));
    if (!QFileInfo(dir).isDir()) return fail(QStringLiteral("grade: no such folder: ") + dir);
    const auto bank = openBank(options->values.at(QStringLiteral("--bank")), error);
    if (!bank) return fail(QStringLiteral("grade: ") + error);

    std::array<QString, 6> notes;
    const std::optional<PaperGrade> grade = gradeFolder(*bank, setNo, dir, notes, error);
    if (!grade) return fail(QStringLiteral("grade: ") + error);
    QTextStream out(stdout);
    if (options->json) {
        out << jsonReport(*grade, setNo, notes);
        return 0;
    }
    for (const QString& row : shownRows(*grade, setNo)) out << row << '\n';
    out << gradeNotesText(notes);
    return 0;
}

int gradeAllCommand(const QStringList& args) {
    QString error;
    const auto options =
        parseOptions(args, {QStringLiteral("--bank"), QStringLiteral("--root")}, false, error);
    if (!options) return fail(QStringLiteral("grade-all: ") + error);
    const QDir root(options->values.at(QStringLiteral("--root")));
    if (!root.exists()) return fail(QStringLiteral("grade-all: no such folder: ") + root.path());
    const auto bank = openBank(options->values.at(QStringLiteral("--bank")), error);
    if (!bank) return fail(QStringLiteral("grade-all: ") + error);

    // A student folder ends in the last digits of the ticket, whose last three are the set.
    static const QRegularExpression setDigits(QStringLiteral("[0-9]{3}$"));
    QTextStream out(stdout);
    out << "folder,set,item1,item2,item3,item4,item5,total\n";
    const QStringList folders = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders) {
        const QRegularExpressionMatch match = setDigits.match(folder);
        if (!match.hasMatch()) continue;
        const int setNo = match.captured().toInt();
        std::array<QString, 6> notes;
        const std::optional<PaperGrade> grade =
            gradeFolder(*bank, setNo, root.filePath(folder), notes, error);
        if (!grade) {
            return fail(QStringLiteral("grade-all: ") + folder + QStringLiteral(": ") + error);
        }
        out << csvField(folder) << ',' << setNo;
        for (int item = 1; item <= 5; ++item) {
            out << ',' << grade->scores[static_cast<size_t>(item)];
        }
        out << ',' << grade->total << '\n';
    }
    return 0;
}

}  // namespace qv::admin
