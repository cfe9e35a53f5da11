// Paints the icons and pictures of the sample question bank and writes them into the folder given
// on the command line: the traffic-light icons and the car of the traffic-light item, and the
// pictures that sets copy into the student folder.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

enum class Lamp { Red, Yellow, Green };

QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// One lamp of the light: lit lamps glow from a bright centre, dark ones are a dull shade.
void paintLamp(QPainter& painter, QPointF centre, qreal radius, QColor colour, bool lit) {
    if (lit) {
        QRadialGradient glow(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
        glow.setColorAt(0.0, Qt::white);
        glow.setColorAt(0.35, colour.lighter(130));
        glow.setColorAt(1.0, colour.darker(140));
        painter.setBrush(glow);
    } else {
        painter.setBrush(colour.darker(400));
    }
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.drawEllipse(centre, radius, radius);
}

QImage trafficLight(Lamp lit) {
    QImage image = transparentCanvas(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(10, 10, 10), 1));
    painter.setBrush(QColor(55, 55, 60));
    painter.drawRoundedRect(QRectF(9.5, 0.5, 13, 31), 4, 4);
    paintLamp(painter, {16, 6}, 4.2, QColor(235, 30, 30), lit == Lamp::Red);
    paintLamp(painter, {16, 16}, 4.2, QColor(250, 200, 20), lit == Lamp::Yellow);
    paintLamp(painter, {16, 26}, 4.2, QColor(30, 200, 60), lit == Lamp::Green);
    return image;
}

// A small car seen from the side, driving to the right.
QImage car() {
    QImage image = transparentCanvas(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 10, 10), 1));

    QPainterPath body;
    body.moveTo(1.5, 22.5);
    body.lineTo(1.5, 16.5);
    body.lineTo(8.5, 15.5);
    body.lineTo(12.5, 9.5);
    body.lineTo(22.5, 9.5);
    body.lineTo(27.5, 15.5);
    body.lineTo(30.5, 17.0);
    body.lineTo(30.5, 22.5);
    body.closeSubpath();
    QLinearGradient paint(0, 9, 0, 23);
    paint.setColorAt(0, QColor(240, 70, 60));
    paint.setColorAt(1, QColor(170, 20, 20));
    painter.setBrush(paint);
    painter.drawPath(body);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 220, 250));
    painter.drawPolygon(QPolygonF({{10.5, 15.5}, {13.5, 11.0}, {17.0, 11.0}, {17.0, 15.5}}));
    painter.drawPolygon(QPolygonF({{18.5, 15.5}, {18.5, 11.0}, {21.8, 11.0}, {25.5, 15.5}}));
    painter.setBrush(QColor(255, 240, 150));
    painter.drawRect(QRectF(28.5, 17.5, 2, 2));

    for (qreal x : {8.0, 24.0}) {
        painter.setPen(QPen(QColor(15, 15, 15), 1));
        painter.setBrush(QColor(35, 35, 35));
        painter.drawEllipse(QPointF(x, 23), 4, 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(190, 190, 195));
        painter.drawEllipse(QPointF(x, 23), 1.6, 1.6);
    }
    return image;
}

// pic1.bmp: hills under a sky with the sun.
QImage landscape() {
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor(70, 140, 230));
    sky.setColorAt(1, QColor(190, 225, 250));
    painter.fillRect(image.rect(), sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 40));
    painter.drawEllipse(QPointF(124, 28), 14, 14);

    QPainterPath farHill;
    farHill.moveTo(0, 90);
    farHill.cubicTo(30, 50, 70, 55, 100, 85);
    farHill.lineTo(100, 120);
    farHill.lineTo(0, 120);
    painter.setBrush(QColor(90, 160, 80));
    painter.drawPath(farHill);

    QPainterPath nearHill;
    nearHill.moveTo(40, 120);
    nearHill.cubicTo(80, 60, 130, 65, 160, 80);
    nearHill.lineTo(160, 120);
    painter.setBrush(QColor(50, 125, 50));
    painter.drawPath(nearHill);
    return image;
}

// pic2.jpg: a flower on a light background.
QImage flower() {
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(QColor(235, 245, 225));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(QColor(40, 120, 40), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(100, 75), QPointF(100, 145));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 150, 60));
    painter.drawEllipse(QRectF(102, 110, 28, 12));

    painter.setBrush(QColor(230, 80, 140));
    painter.translate(100, 60);
    for (int petal = 0; petal < 8; ++petal) {
        painter.drawEllipse(QRectF(8, -9, 38, 18));
        painter.rotate(45);
    }
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QPointF(0, 0), 12, 12);
    return image;
}

bool save(const QImage& image, const QDir& folder, const char8_t* name, const char* format) {
    const QString path = folder.filePath(QString::fromUtf8(name));
    if (image.save(path, format, format == QByteArray("JPG") ? 90 : -1)) return true;
    std::fprintf(stderr, "make_images: cannot write %s\n",
                 qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images OUTPUT_FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_images: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = save(trafficLight(Lamp::Red), folder, u8"红灯.ico", "ICO");
    ok = save(trafficLight(Lamp::Green), folder, u8"绿灯.ico", "ICO") && ok;
    ok = save(trafficLight(Lamp::Yellow), folder, u8"黄灯.ico", "ICO") && ok;
    ok = save(car(), folder, u8"Cars.ico", "ICO") && ok;
    ok = save(landscape(), folder, u8"pic1.bmp", "BMP") && ok;
    ok = save(flower(), folder, u8"pic2.jpg", "JPG") && ok;
    return ok ? 0 : 1;
}
