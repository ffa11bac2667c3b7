#pragma once

#include "core/geomap/MapExtent.h"
#include "core/geomap/MapTransform.h"
#include "gui/geomap/UsMapPainter.h"

#include <QWidget>

#include <optional>

class QRubberBand;

namespace rollscan {

class ShapeLayer;

// The map control of the US map: one shapefile layer drawn by UsMapPainter in its fills, with a
// current and a full extent, rectangle zoom, pan by dragging, wheel zoom about the cursor and the
// conversion of control points to map points.
class MapControl : public QWidget {
    Q_OBJECT

public:
    explicit MapControl(QWidget *parent = nullptr);

    // What a press and drag of the left button does.
    enum class Tracking { None, Rectangle, Pan };
    void setTracking(Tracking tracking) { m_tracking = tracking; }
    Tracking tracking() const { return m_tracking; }

    void setLayer(const ShapeLayer *layer);
    const ShapeLayer *layer() const { return m_painter.layer(); }
    const UsMapPainter &painter() const { return m_painter; }

    // The picture (fills, labels, highlight); its view is the control's extent.
    void setPicture(const UsMapPicture &picture);
    const UsMapPicture &picture() const { return m_picture; }
    void setLabels(const QString &field, double height);
    void setHighlight(int feature);

    // The extent asked for (the control shows at least this), and the layer's full extent.
    MapExtent extent() const { return m_picture.view; }
    void setExtent(const MapExtent &extent);
    MapExtent fullExtent() const;
    // What the control shows at its present size.
    MapExtent visibleExtent() const;

    QPointF ToMapPoint(const QPointF &control) const;
    double ToMapDistance(double pixels) const;
    // Zooms by `factor` (above 1 zooms in) keeping the map point under `control` in place.
    void zoomAbout(const QPointF &control, double factor);
    MapTransform transform() const;

signals:
    // The extent changed through the user's tracking, pan or wheel.
    void extentChanged();
    // A press of a mouse button in control coordinates, before any tracking starts.
    void mouseDown(Qt::MouseButton button, const QPoint &position);
    void mouseMoved(const QPoint &position);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    UsMapPainter m_painter;
    UsMapPicture m_picture;
    Tracking m_tracking = Tracking::None;
    std::optional<QPoint> m_pressAt;
    MapExtent m_pressExtent;
    QRubberBand *m_band = nullptr;
};

} // namespace rollscan
