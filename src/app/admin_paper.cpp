#include "app/admin_commands.h"
#include "examfiles/exam_files_context.h"
#include "examfiles/paper_folder.h"
#include "login/question_bank.h"
#include "platform/file_error.h"

#include <QFileInfo>
#include <QMap>

#include <optional>

namespace qv::admin {
namespace {

const QString kPaperUsage =
    QStringLiteral("usage: paper write|answers --bank BANK --set N --dir DIR");

struct PaperArgs {
    QString action;
    QString bank;
    int16_t set = 0;
    QString dir;
};

// Returns the arguments, or an empty value after printing why they are wrong.
std::optional<PaperArgs> parsePaperArgs(const QStringList& args, int& status) {
    status = 1;
    if (args.isEmpty() ||
        (args.first() != QStringLiteral("write") && args.first() != QStringLiteral("answers"))) {
        fail(kPaperUsage);
        return std::nullopt;
    }
    QMap<QString, QString> options;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        const QString& name = args.at(i);
        const bool known = name == QStringLiteral("--bank") || name == QStringLiteral("--set") ||
                           name == QStringLiteral("--dir");
        if (!known || i + 1 >= args.size() || options.contains(name)) {
            fail(QStringLiteral("paper: ") +
                 (known ? QStringLiteral("option %1 needs exactly one value; ").arg(name)
                        : QStringLiteral("unknown option %1; ").arg(name)) +
                 kPaperUsage);
            return std::nullopt;
        }
        options.insert(name, args.at(i + 1));
    }
    if (options.size() != 3) {
        fail(QStringLiteral("paper: --bank, --set and --dir are all needed; ") + kPaperUsage);
        return std::nullopt;
    }
    bool ok = false;
    const short set = options.value(QStringLiteral("--set")).toShort(&ok);
    if (!ok || set < 1) {
        fail(QStringLiteral("paper: --set needs a set number from 1 to 32767, not ") +
             options.value(QStringLiteral("--set")));
        return std::nullopt;
    }
    return PaperArgs{args.first(), options.value(QStringLiteral("--bank")), set,
                     options.value(QStringLiteral("--dir"))};
}

}  // namespace

int paperCommand(const QStringList& args) {
    int status = 0;
    const std::optional<PaperArgs> paper = parsePaperArgs(args, status);
    if (!paper) return status;
    const QString step = QStringLiteral("paper ") + paper->action + QStringLiteral(": ");
    try {
        const QFileInfo bankFile(paper->bank);
        const std::unique_ptr<Connection> bank = openBankFile(bankFile.absoluteFilePath());
        // The pictures and icons lie in the folder img beside the bank, as in the data folder.
        const QString images = bankFile.absolutePath() + QStringLiteral("/img");
        const QString dir = QFileInfo(paper->dir).absoluteFilePath();
        if (paper->action == QStringLiteral("write")) {
            writePaperFolder(*bank, paper->set, dir, images);
        } else {
            writePaperAnswers(*bank, paper->set, dir, images);
        }
    } catch (const ExamFileError& error) {
        return fail(step + error.message());
    } catch (const BankError& error) {
        return fail(step + printableName(error.message()));
    } catch (const FileError& error) {
        return fail(step + printableName(error.message()));
    } catch (const DatabaseError& error) {
        return fail(step + printableName(QString::fromStdString(error.what())));
    }
    return 0;
}

}  // namespace qv::admin
