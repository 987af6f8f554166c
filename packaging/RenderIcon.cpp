// Renders the program's SVG icon to the PNG sizes desktops look up:
// render-icon ICON.svg OUTPUT_FOLDER SIZE... writes OUTPUT_FOLDER/SIZExSIZE.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: render-icon ICON.svg OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid())
        return 1;
    QDir().mkpath(args[2]);
    for (const QString& size : args.mid(3)) {
        const int side = size.toInt();
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        if (!image.save(QDir(args[2]).filePath(QStringLiteral("%1x%1.png").arg(side))))
            return 1;
    }
    return 0;
}
