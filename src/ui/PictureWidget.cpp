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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, rect());
}

} // namespace lumenary
