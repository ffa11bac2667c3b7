#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace rollscan {

class MapControl;

// The hover tip of the US map: the tip shows 100 ms after the mouse comes to rest over the map,
// never while it keeps moving. What it says comes from a text function of the map point.
class MapTip : public QObject {
    Q_OBJECT

public:
    explicit MapTip(QObject *parent = nullptr);

    static constexpr int kInterval = 100;

    void Initialize(MapControl *map, QTimer *timer, QFrame *picture, QLabel *label);
    // The text for the feature under a map point; empty hides the tip.
    void SetText(std::function<QString(const QPointF &mapPoint)> text) { m_text = std::move(text); }
    void MouseMove(const QPoint &position);
    void Timer();
    void hide();

private:
    void show(const QString &text);

    MapControl *m_map = nullptr;
    QTimer *m_timer = nullptr;
    QFrame *m_picture = nullptr;
    QLabel *m_label = nullptr;
    QPoint m_current;
    QPoint m_last;
    std::function<QString(const QPointF &)> m_text;
};

} // namespace rollscan
