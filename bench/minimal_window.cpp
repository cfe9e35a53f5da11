#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

// The reference for start-up and memory figures: a Qt Widgets program showing one window.
// With --text the window also shows a line of Chinese text, which makes Qt load fontconfig and
// a CJK font as any window with text does; this is the floor of every window of the program.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(640, 455);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("二级Visual Basic 考试系统"), &window));
    }
    window.show();
    return app.exec();
}
