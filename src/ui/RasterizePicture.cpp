// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws one of the program's SVG pictures at its own size into a
// ready-drawn copy (see ReadyDrawnPicture.h), for pictures that must show
// the moment the program starts.
//
// usage: rasterize-picture PICTURE.svg OUT

#include "ReadyDrawnPicture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: rasterize-picture PICTURE.svg OUT\n");
        return EXIT_FAILURE;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "rasterize-picture: cannot draw %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    lumenary::ReadyDrawnHeader header{};
    std::memcpy(header.magic, lumenary::kReadyDrawnMagic, sizeof header.magic);
    header.width = static_cast<std::uint32_t>(image.width());
    header.height = static_cast<std::uint32_t>(image.height());
    QFile out(QString::fromLocal8Bit(argv[2]));
    const auto rowBytes = static_cast<qint64>(image.width()) * 4;
    bool written = out.open(QIODevice::WriteOnly)
                && out.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header;
    for (int row = 0; written && row < image.height(); ++row)
        written = out.write(reinterpret_cast<const char*>(image.constScanLine(row)), rowBytes) == rowBytes;
    if (!written) {
        std::fprintf(stderr, "rasterize-picture: cannot write %s\n", argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
