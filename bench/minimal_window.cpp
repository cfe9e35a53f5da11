#include <QApplication>
#include <QWidget>

// The reference for start-up and memory figures: a Qt Widgets program showing one window.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(640, 455);
    window.show();
    return app.exec();
}
