#include "info/frm_about.h"
#include "info/info_actions.h"
#include "info/sys_info.h"

#include "platform/controls.h"
#include "platform/launcher.h"
#include "platform/registry.h"
#include "platform/scripted_dialogs.h"
#include "support/temp_drive.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv {
namespace {

class AboutBoxTest : public ::testing::Test {
  protected:
    void TearDown() override { Forms::destroyAll(); }
    ScopedScriptedDialogs dialogs_;
    ScopedRecordingLauncher launcher_;
    ScopedMemoryRegistry registry_;
};

TEST_F(AboutBoxTest, LoadSetsCaptionTitleVersionAndBackColours) {
    frmAbout& about = Forms::get<frmAbout>();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 Quorvane上机考试系统"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Quorvane上机考试系统"));
    // The revision is written out even when it is 0.
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("版本 7.3.0"));
    EXPECT_TRUE(about.lblDisclaimer->text().isEmpty());
    EXPECT_EQ(about.Label2->text(), QStringLiteral("技术支持"));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("确定"));
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("系统信息"));
    const QColor back(212, 208, 200);
    EXPECT_EQ(about.palette().color(QPalette::Window), back);
    for (QWidget* w : std::initializer_list<QWidget*>{about.picIcon, about.Text3, about.Text2,
                                                      about.cmdOK, about.cmdSysInfo}) {
        EXPECT_EQ(w->palette().color(QPalette::Window), back) << w->metaObject()->className();
    }
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    // Fixed dialog border: the size cannot change.
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

TEST_F(AboutBoxTest, OkUnloadsTheBoxAndShowModalReturns) {
    frmAbout& about = Forms::get<frmAbout>();
    QMetaObject::invokeMethod(about.cmdOK, &QPushButton::click, Qt::QueuedConnection);
    showAboutBox();
    EXPECT_FALSE(Forms::isLoaded<frmAbout>());
    EXPECT_TRUE(dialogs_.dialogs.messages.empty());
}

TEST_F(AboutBoxTest, EnterPressesOkWhicheverControlHasTheFocus) {
    for (const bool focusAddress : {false, true}) {
        bool pressedOk = false;
        Forms::get<frmAbout>();
        QTimer::singleShot(0, [focusAddress] {
            frmAbout& box = Forms::get<frmAbout>();
            box.activateWindow();
            (void)QTest::qWaitForWindowActive(&box, 2000);
            if (focusAddress) box.Text3->setFocus();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &box;
            QTest::keyClick(target, Qt::Key_Return);
        });
        // Bounded: if Enter did nothing, close the box so the test fails instead of hanging.
        QTimer::singleShot(3000, [&pressedOk] {
            if (Forms::isLoaded<frmAbout>()) Forms::unload<frmAbout>();
            pressedOk = false;
        });
        QObject::connect(Forms::get<frmAbout>().cmdOK, &QPushButton::clicked,
                         [&pressedOk] { pressedOk = true; });
        showAboutBox();
        EXPECT_TRUE(pressedOk) << "focus on the address: " << focusAddress;
        EXPECT_FALSE(Forms::isLoaded<frmAbout>());
        Forms::destroyAll();
    }
}

TEST_F(AboutBoxTest, ClickingTheSiteAddressOpensTheStartPageEachTime) {
    frmAbout& about = Forms::get<frmAbout>();
    about.show();
    QTest::mouseClick(about.Text3, Qt::LeftButton);
    QTest::mouseClick(about.Text3, Qt::LeftButton);
    ASSERT_EQ(launcher_.launcher.urls.size(), 2);
    for (const QString& url : launcher_.launcher.urls) {
        EXPECT_TRUE(url.startsWith(QStringLiteral("http://127.0.0.1:"))) << url.toStdString();
        EXPECT_TRUE(url.endsWith(QStringLiteral("/tovo/"))) << url.toStdString();
    }
}

TEST_F(AboutBoxTest, GetKeyValueReadsStringsAndFailsCleanly) {
    MemoryRegistry& reg = registry_.registry;
    reg.setString(kHkeyLocalMachine, QStringLiteral("SOFTWARE\\A"), QStringLiteral("S"),
                  QStringLiteral("C:\\工具\\x.exe"));
    reg.setValue(kHkeyLocalMachine, QStringLiteral("SOFTWARE\\A"), QStringLiteral("D"), kRegDword,
                 QByteArray("\x01\x00\x00\x00", 4));
    reg.setValue(kHkeyLocalMachine, QStringLiteral("SOFTWARE\\A"), QStringLiteral("Big"), kRegSz,
                 QByteArray(2000, 'a'));
    frmAbout& about = Forms::get<frmAbout>();
    struct Case {
        const char* name;
        QString key;
        QString value;
        bool read;
        QString text;
    };
    const Case cases[] = {
        {"string value, names compared without case", QStringLiteral("software\\a"),
         QStringLiteral("s"), true, QStringLiteral("C:\\工具\\x.exe")},
        {"missing key", QStringLiteral("SOFTWARE\\B"), QStringLiteral("S"), false, QString()},
        {"missing value", QStringLiteral("SOFTWARE\\A"), QStringLiteral("T"), false, QString()},
        {"not a string", QStringLiteral("SOFTWARE\\A"), QStringLiteral("D"), true, QString()},
        {"larger than the buffer", QStringLiteral("SOFTWARE\\A"), QStringLiteral("Big"), false,
         QString()},
    };
    for (const Case& c : cases) {
        QString text = QStringLiteral("old");
        EXPECT_EQ(about.GetKeyValue(kHkeyLocalMachine, c.key, c.value, text), c.read) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(reg.openKeys, 0) << c.name << ": every opened key is closed";
    }
}

TEST_F(AboutBoxTest, SystemInformationFollowsTheTwoRegistryPlaces) {
    const QString toolsDir = QStringLiteral("C:\\Program Files\\Common Files\\MSInfo");
    struct Case {
        const char* name;
        bool msinfoKey;
        QString msinfoPath;  // empty: the key exists without the value
        bool sharedTools;
        bool exeExists;
        bool startSucceeds;
        QString started;  // empty: the message is shown
    };
    const QString direct = QStringLiteral("C:\\Tools\\msinfo32.exe");
    const QString located = toolsDir + QStringLiteral("\\MSINFO32.EXE");
    const Case cases[] = {
        {"first place names the tool", true, direct, true, true, true, direct},
        {"first place read but the start fails", true, direct, true, true, false, QString()},
        {"second place with the file present", false, {}, true, true, true, located},
        {"first key without its value, second place", true, {}, true, true, true, located},
        {"second place but no MSINFO32.EXE there", false, {}, true, false, true, QString()},
        {"no registry entries at all", false, {}, false, false, true, QString()},
    };
    for (const Case& c : cases) {
        test::TempDrive drive;
        ScopedScriptedDialogs dialogs;
        ScopedRecordingLauncher launcher;
        ScopedMemoryRegistry registry;
        launcher.launcher.succeed = c.startSucceeds;
        if (c.msinfoKey) registry.registry.addKey(kHkeyLocalMachine, kMsinfoKey);
        if (!c.msinfoPath.isEmpty())
            registry.registry.setString(kHkeyLocalMachine, kMsinfoKey, kMsinfoValue, c.msinfoPath);
        if (c.sharedTools)
            registry.registry.setString(kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue,
                                        toolsDir);
        if (c.exeExists) drive.writeFile(located, "MZ");

        Forms::get<frmAbout>().cmdSysInfo->click();

        if (c.started.isEmpty()) {
            ASSERT_EQ(dialogs.dialogs.messages.size(), 1u) << c.name;
            EXPECT_EQ(dialogs.dialogs.messages[0],
                      (MessageRequest{QStringLiteral("此时系统信息不可用"),
                                      QStringLiteral("Quorvane上机考试系统"), MsgButtons::Ok}))
                << c.name;
        } else {
            EXPECT_TRUE(dialogs.dialogs.messages.empty()) << c.name;
        }
        const qsizetype expectedStarts = c.started.isEmpty() ? (c.startSucceeds ? 0 : 1) : 1;
        ASSERT_EQ(static_cast<qsizetype>(launcher.launcher.starts.size()), expectedStarts)
            << c.name;
        if (!c.started.isEmpty()) {
            EXPECT_EQ(launcher.launcher.starts[0].exe, c.started) << c.name;
        }
        EXPECT_EQ(registry.registry.openKeys, 0) << c.name;
    }
}

TEST_F(AboutBoxTest, WithoutARegistryTheToolIsUnavailable) {
    installRegistry(nullptr);  // the platform's own: there is none
    Forms::get<frmAbout>().StartSysInfo();
    ASSERT_EQ(dialogs_.dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs_.dialogs.messages[0].text, QStringLiteral("此时系统信息不可用"));
    EXPECT_TRUE(launcher_.launcher.starts.empty());
}

}  // namespace
}  // namespace qv
