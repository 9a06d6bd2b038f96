#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace lumenary {

// One of the program's pictures (an SVG resource), drawn to fit the widget
// with its proportions kept.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(const QString& resource, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

} // namespace lumenary
