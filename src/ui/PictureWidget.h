// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace lumenary {

// One of the program's pictures (an SVG resource), drawn to fit the widget
// with its proportions kept. Drawing a detailed picture takes tens of
// milliseconds, so it is drawn once per size and repainted from that copy.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(const QString& resource, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
    QPixmap drawn_;
};

// One of the program's pictures as a window icon, drawn at the usual icon
// sizes. Drawn here rather than by Qt's SVG icon plugin, whose loading
// would delay the first window.
QIcon PictureIcon(const QString& resource);

} // namespace lumenary
