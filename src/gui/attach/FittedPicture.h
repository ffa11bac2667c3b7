#pragma once

#include <QPixmap>
#include <QWidget>

namespace rollscan {

// Shows a picture as large as the widget allows, keeping its proportions, but never beyond its own
// size: a small picture is not blown up into a blur, a large one shrinks with the window.
class FittedPicture : public QWidget {
    Q_OBJECT

public:
    explicit FittedPicture(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    // The picture as loaded, at its own size.
    const QPixmap &pixmap() const { return m_pixmap; }

    // Where the picture is drawn in the widget at its present size (empty without a picture).
    QRect pictureRect() const;
    // The rectangle, centred in `area`, of a picture of `picture` size shrunk to fit `area` with its
    // proportions kept; a picture that fits already keeps its size.
    static QRect FitRect(const QSize &picture, const QRect &area);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QPixmap m_scaled; // m_pixmap at the size last drawn
};

} // namespace rollscan
