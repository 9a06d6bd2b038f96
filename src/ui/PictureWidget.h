// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace lumenary {

// One of the program's pictures (an SVG resource), drawn to fit the widget,
// centred, with its proportions kept. Drawing a detailed picture takes
// milliseconds, so it is drawn once per size and repainted from that copy;
// where a ready-drawn copy was made at build time (the SVG's name with
// ".pixels" for ".svg") and the picture is shown at its own size, that copy
// is shown and the SVG is not even read.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(const QString& resource, QWidget* parent = nullptr);
    ~PictureWidget() override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer& Shapes() const;

    QString resource_;
    QImage readyDrawn_; // the pixels of the resource itself; null without a copy
    mutable std::unique_ptr<QSvgRenderer> shapes_; // read when first needed
    QPixmap drawn_;
};

// One of the program's pictures as a window icon, drawn at the usual icon
// sizes. Drawn here rather than by Qt's SVG icon plugin, whose loading
// would delay the first window.
QIcon PictureIcon(const QString& resource);

} // namespace lumenary
