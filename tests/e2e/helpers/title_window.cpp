// Shows one window with the title given on the command line, as another program's window
// would appear on the desktop (the development environment, a dialog of it).
//   qv_title_window TITLE           a normal top-level window
//   qv_title_window --owned TITLE   a dialog with that title, owned by a window "owner"
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const bool owned = !args.isEmpty() && args.first() == QStringLiteral("--owned");
    const QString title = args.value(owned ? 1 : 0, QStringLiteral("Microsoft Visual Basic"));
    QWidget owner;
    owner.setWindowTitle(QStringLiteral("owner"));
    owner.resize(300, 200);
    QDialog dialog(owned ? &owner : nullptr);
    QWidget plain;
    QWidget& shown = owned ? static_cast<QWidget&>(dialog) : plain;
    shown.setWindowTitle(title);
    shown.resize(400, 300);
    new QLabel(title, &shown);
    if (owned) owner.show();
    shown.show();
    return app.exec();
}
