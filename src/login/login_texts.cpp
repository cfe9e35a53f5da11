#include "login_texts.h"

namespace qv {
namespace login_messages {

MessageRequest emptyTicket() {
    return {QStringLiteral("准号证号不能为空，请重新登录！"), applicationTitle(), MsgButtons::Ok,
            MsgIcon::Information, 1};
}

MessageRequest offeredTickets(int setCount) {
    const QString count = QString::number(setCount);
    return {QStringLiteral("系统给出的准考证号是: 2601999988880001──26019999888800") + count +
                QStringLiteral("\n\n将分别抽取第1──第") + count + QStringLiteral("套试题"),
            QStringLiteral("考试提示"), MsgButtons::Ok, MsgIcon::None, 1};
}

MessageRequest ticketOutOfRange(const QString& ticket) {
    return {QStringLiteral("准考证号: [") + ticket + QStringLiteral("]不存在,退出登录系统吗?"),
            kLoginTitle, MsgButtons::YesNo, MsgIcon::None, 2};
}

MessageRequest badFolderTicket(const QString& ticket) {
    return {QStringLiteral("准考证号: [") + ticket +
                QStringLiteral("]无效: 前四位和后四位只能是字母或数字,请重新输入!"),
            kLoginTitle, MsgButtons::Ok, MsgIcon::Exclamation, 1};
}

MessageRequest confirmData(const QString& ticket, const QString& name,
                           const QString& identityCard) {
    const QChar cr('\r');
    return {QStringLiteral("您输入的准考证号是:") + ticket + cr + QStringLiteral("您的姓名是:") +
                name + cr + QStringLiteral("您的身份证号是:") + identityCard + cr +
                QStringLiteral("请问是否正确?"),
            kLoginTitle, MsgButtons::YesNo, MsgIcon::None, 1};
}

MessageRequest secondLogin() {
    return {QStringLiteral("二次登录,请监考老师输入密码"), kLoginTitle, MsgButtons::Ok,
            MsgIcon::Information, 1};
}

MessageRequest wrongPassword() {
    return {QStringLiteral("密码不正确，请监考老师重输密码"), kLoginTitle, MsgButtons::Ok,
            MsgIcon::Information, 1};
}

MessageRequest leaveLogin() {
    return {QStringLiteral("是否退出登录系统?"), kLoginTitle, MsgButtons::YesNo, MsgIcon::Question,
            2};
}

MessageRequest failure(const QString& text) {
    return {text, kLoginTitle, MsgButtons::Ok, MsgIcon::Critical, 1};
}

}  // namespace login_messages

QString noticeTimeText(int seconds) {
    // Minutes rounded down, so the seconds are always 0 to 59.
    const int minutes = seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
    return QString::number(minutes) + QStringLiteral("分") +
           QString::number(seconds - minutes * 60) + QStringLiteral("秒");
}

QString mainWindowCaption(const QString& studentName, const QString& ticket) {
    return QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:") + studentName +
           QStringLiteral(", 准考证号:") + ticket + QStringLiteral(" (单机版)");
}

QString barTicketLine(const QString& ticket, const QString& studentName) {
    return ticket + QStringLiteral("  ") + studentName;
}

}  // namespace qv
