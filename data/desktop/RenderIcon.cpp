// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon into the PNG sizes desktops look for, at
// build time, with the SVG renderer the program already uses.
// Usage: render-icon ICON.svg OUT_DIR SIZE...  (writes OUT_DIR/SIZExSIZE.png)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: render-icon ICON.svg OUT_DIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer icon(arguments[1]);
    if (!icon.isValid()) {
        std::fprintf(stderr, "render-icon: %s is not a usable SVG file\n", qPrintable(arguments[1]));
        return 2;
    }
    const QDir out(arguments[2]);
    for (const QString& sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        icon.render(&painter);
        painter.end();
        const QString file = out.filePath(QStringLiteral("%1x%1.png").arg(size));
        if (size <= 0 || !image.save(file)) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(file));
            return 2;
        }
    }
    return 0;
}
