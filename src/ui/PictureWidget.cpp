// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWidget.h"

#include "ReadyDrawnPicture.h"

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <cstring>

namespace lumenary {

namespace {

// The ready-drawn copy of an SVG resource, as an image over the resource's
// own bytes; null when there is none or it is not whole.
QImage ReadyDrawnCopy(const QString& svgResource)
{
    QString name = svgResource;
    name.replace(name.size() - 4, 4, QStringLiteral(".pixels"));
    const QResource resource(name);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < qint64(sizeof(ReadyDrawnHeader)))
        return {};
    ReadyDrawnHeader header;
    std::memcpy(&header, resource.data(), sizeof header);
    const qint64 rowBytes = qint64(header.width) * 4;
    if (std::memcmp(header.magic, kReadyDrawnMagic, sizeof header.magic) != 0
        || resource.size() != qint64(sizeof header) + rowBytes * header.height)
        return {};
    return QImage(resource.data() + sizeof header, int(header.width), int(header.height), rowBytes,
                  QImage::Format_ARGB32_Premultiplied);
}

} // namespace

PictureWidget::PictureWidget(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource), readyDrawn_(ReadyDrawnCopy(resource))
{
}

PictureWidget::~PictureWidget() = default;

QSvgRenderer& PictureWidget::Shapes() const
{
    if (!shapes_) {
        shapes_ = std::make_unique<QSvgRenderer>(resource_);
        shapes_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *shapes_;
}

QSize PictureWidget::sizeHint() const
{
    return readyDrawn_.isNull() ? Shapes().defaultSize() : readyDrawn_.size();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!readyDrawn_.isNull() && readyDrawn_.size().scaled(pixels, Qt::KeepAspectRatio) == readyDrawn_.size()) {
        // Straight from the resource's pixels, centred.
        QImage image = readyDrawn_;
        image.setDevicePixelRatio(ratio);
        const QSize room = (pixels - image.size()) / 2;
        painter.drawImage(QPointF(room.width(), room.height()) / ratio, image);
        return;
    }
    if (drawn_.size() != pixels) {
        drawn_ = QPixmap(pixels);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter shapes(&drawn_);
        shapes.setRenderHint(QPainter::Antialiasing);
        Shapes().render(&shapes, QRectF(QPointF(0, 0), size()));
    }
    painter.drawPixmap(0, 0, drawn_);
}

QIcon PictureIcon(const QString& resource)
{
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace lumenary
