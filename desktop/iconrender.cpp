// iconrender: draws the application's SVG icon as square PNGs for the icon theme.
// Usage: iconrender <icon.svg> <output folder> <size>...; writes <folder>/<size>x<size>/<icon name>.png
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: iconrender <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QString name = QFileInfo(arguments[1]).completeBaseName() + QStringLiteral(".png");
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2").arg(arguments[2]).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + u'/' + name)) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
