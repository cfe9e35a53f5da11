#pragma once

// A login window over a small bank in a temporary drive, with scripted message boxes and a
// recording launcher.

#include "login/exam_state.h"
#include "login/form2.h"
#include "login/question_bank.h"
#include "platform/launcher.h"
#include "platform/scripted_dialogs.h"
#include "support/temp_drive.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <vector>

namespace qv {
// Readable failures: the box as the student would see it.
inline void PrintTo(const MessageRequest& m, std::ostream* os) {
    *os << "[" << m.title.toStdString() << "] " << m.text.toStdString() << " (buttons "
        << static_cast<int>(m.buttons) << ", icon " << static_cast<int>(m.icon) << ", default "
        << m.defaultButton << ")";
}
}  // namespace qv

namespace qv::test {

inline const QString kDataDir = QStringLiteral("C:\\windows\\system32\\cwmx");

inline QString ticketFor(int set) {
    return QStringLiteral("26019999888800") + QStringLiteral("%1").arg(set, 2, 10, QChar('0'));
}

// The stored 题面 of an item: a document of its own that ends with "}" CR LF.
inline QString storedQuestion(int key) {
    return QStringLiteral(
               "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Arial;}}\r\n\\viewkind4\\uc1\\pard"
               "\\f0\\fs18 item %1\\par\r\n}\r\n")
        .arg(key);
}

// One item whose only exam file is its form (item 1) or nothing at all.
inline BankRecord sampleItem(int set, int item) {
    const int key = set * 100 + item;
    BankRecord record{key, {}};
    for (const QString& field : bankTextFields()) record.fields[field] = QStringLiteral("0");
    record.fields[QStringLiteral("题面")] = storedQuestion(key);
    record.fields[QStringLiteral("vbp文件")] = QStringLiteral("A");
    if (item == 1) {
        record.fields[QStringLiteral("frm文件")] =
            QStringLiteral("VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"set %1\"\r\nEnd")
                .arg(set);
    }
    return record;
}

// A bank whose last stored record is the fifth item of lastSet; sets lists the complete ones.
inline std::vector<BankRecord> sampleBank(const std::vector<int>& sets, int lastSet) {
    std::vector<BankRecord> records;
    for (int set : sets) {
        if (set == lastSet) continue;
        for (int item = 1; item <= 5; ++item) records.push_back(sampleItem(set, item));
    }
    for (int item = 1; item <= 5; ++item) records.push_back(sampleItem(lastSet, item));
    return records;
}

// Every file below a host folder with its bytes, to prove that nothing changed.
inline std::map<QString, QByteArray> snapshot(const QString& hostRoot) {
    std::map<QString, QByteArray> files;
    QDirIterator it(hostRoot, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<dir>");
    }
    return files;
}

class LoginFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ExamState::reset();
        ExamState::get().FormBackColor = kFormBackColor;
        ExamState::get().DataDir = kDataDir;
    }
    void TearDown() override {
        Forms::destroyAll();
        ExamState::reset();
    }

    void writeSampleBank(const std::vector<int>& sets, int lastSet) {
        writeBankRecords(sampleBank(sets, lastSet));
    }
    void writeBankRecords(const std::vector<BankRecord>& records) {
        QDir().mkpath(drive.host(kDataDir));
        writeBank(drive.host(kDataDir + QStringLiteral("\\vb9708.mdb")), records);
    }
    // A bank of setCount sets: sets 4 and 5 (the ones the tests draw) and the last are whole.
    void writeSampleBank(int setCount) { writeSampleBank({4, 5}, setCount); }

    Form2& login() { return Forms::get<Form2>(); }
    ExamState& state() { return ExamState::get(); }
    std::vector<MessageRequest>& messages() { return scripted.dialogs.messages; }
    void answer(MsgResult result) { scripted.dialogs.answer(result); }

    // Clicks a label used as a button, as the pointer would.
    static void click(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
    static void hover(QWidget* widget) {
        const QPointF at(2, 2);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void key(QWidget* widget, int qtKey, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
    }

    // Types a ticket, presses the step button and answers the confirmation.
    void confirmTicket(const QString& ticket) {
        login().TxtID->setText(ticket);
        answer(MsgResult::Yes);
        click(login().Command2);
    }
    // Runs a whole fresh login for a set whose folder does not exist yet.
    void drawFresh(int set) {
        confirmTicket(ticketFor(set));
        ASSERT_EQ(login().Command2->text(), QStringLiteral("抽取试题"));
        click(login().Command2);
    }

    TempDrive drive;
    ScopedScriptedDialogs scripted;
    ScopedRecordingLauncher recording;
};

}  // namespace qv::test
