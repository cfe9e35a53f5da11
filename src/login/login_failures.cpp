#include "login_failures.h"

#include "platform/file_error.h"
#include "question_bank.h"
#include "question_texts.h"

namespace qv {

QString describeBankOpenFailure(const QString& dataDir, std::exception_ptr failure) {
    const QString file = dataDir + QStringLiteral("\\") + kBankFileName;
    try {
        std::rethrow_exception(failure);
    } catch (const BankMissingError&) {
        return QStringLiteral("找不到题库文件 ") + file + QStringLiteral(",请检查后重新验证考号。");
    } catch (const BankUnreadableError&) {
        return QStringLiteral("题库文件 ") + file +
               QStringLiteral(" 无法读取(文件已损坏或不是本系统的题库),请检查后重新验证考号。");
    } catch (const BankError& error) {
        return QStringLiteral("题库文件 ") + file + QStringLiteral(" 无法打开: ") + error.message();
    }
}

QString describeLoginFailure(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const RecordMissingError& error) {
        return QStringLiteral("题库中没有题号为 %1 的记录(第%2套试题第%3题),无法抽取试题。")
            .arg(error.key())
            .arg(error.key() / 100)
            .arg(error.key() % 100);
    } catch (const BankTableMissingError&) {
        return QStringLiteral("题库中没有\"试题\"表,请检查题库文件。");
    } catch (const BankEmptyError&) {
        return QStringLiteral("题库的\"试题\"表中没有任何试题,请检查题库文件。");
    } catch (const BankError& error) {
        return QStringLiteral("读取题库失败: ") + error.message();
    } catch (const QuestionTextError& error) {
        return QStringLiteral("第%1套试题第%2题的题面格式不正确(缺少 \\viewkind4),无法抽取试题。")
            .arg(error.set())
            .arg(error.item());
    } catch (const FileError& error) {
        return QStringLiteral("准备考生文件夹失败: ") + error.message();
    }
}

}  // namespace qv
