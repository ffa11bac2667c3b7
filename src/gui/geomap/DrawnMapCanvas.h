#pragma once

#include "core/geomap/DrawnMapView.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace rollscan {

// The drawing surface of the drawn US map: shows the last picture drawn (so an expose only copies
// it) and reports the mouse in drawn-map units.
class DrawnMapCanvas : public QWidget {
    Q_OBJECT

public:
    explicit DrawnMapCanvas(QWidget *parent = nullptr);

    // The picture, drawn at pixelSize() for `view`.
    void setPicture(const QImage &picture, const DrawnMapView &view);
    const QImage &picture() const { return m_picture; }
    const DrawnMapView &view() const { return m_view; }
    // The size in device pixels a picture should be drawn at to fill the canvas sharply.
    QSize pixelSize() const;
    // A widget position in drawn-map units.
    QPointF toMap(const QPointF &position) const;
    // A ring drawn round a map point (the flash of Find); none clears it.
    void setMarker(std::optional<QPointF> mapPoint);

signals:
    void mouseDown(Qt::MouseButton button, const QPointF &mapPoint);
    void mouseMoved(const QPointF &mapPoint, const QPoint &position);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
    DrawnMapView m_view;
    std::optional<QPointF> m_marker;
};

} // namespace rollscan
