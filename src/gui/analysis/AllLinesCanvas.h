#pragma once

#include "core/analysis/AllLines.h"

#include <QWidget>

class QPainter;

namespace rollscan {

// The picture of the all-lines view: the members as party tokens in their party colours and the
// cutting line of every queued roll call of the congress, one of them picked out. Painting reads
// only the view, so the window, the picture files and the printer draw the same thing.
class AllLinesCanvas : public QWidget {
    Q_OBJECT

public:
    explicit AllLinesCanvas(QWidget *parent = nullptr);

    // What is drawn; the view must outlive the canvas or be replaced before it goes.
    void setView(const AllLinesView *view);
    // The line drawn picked out (index into the view's lines), -1 for none.
    void setHighlighted(int line);
    int highlighted() const { return m_highlighted; }

    // Paints the picture into a square of `side` pixels at the painter's origin.
    static void Paint(QPainter &painter, double side, const AllLinesView &view, const QFont &font, int highlighted);

signals:
    // The pointer rests on a line (index into the view's lines), or on none (-1).
    void lineHovered(int line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    const AllLinesView *m_view = nullptr;
    int m_highlighted = -1;
};

} // namespace rollscan
