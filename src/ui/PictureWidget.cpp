// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWidget.h"

#include <QPainter>

namespace lumenary {

PictureWidget::PictureWidget(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource)
{
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

QSize PictureWidget::sizeHint() const
{
    return renderer_.defaultSize();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (drawn_.size() != size() * ratio) {
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, QRectF(QPointF(0, 0), size()));
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
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
