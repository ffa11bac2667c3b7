#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

namespace rollscan {

// The shared wait window shown during long work: a line saying what is going on, an optional count,
// a progress bar (0 to 100) and an hourglass. Modeless; hidden, not destroyed, between uses.
class frmWait : public QWidget {
    Q_OBJECT

public:
    explicit frmWait(QWidget *parent = nullptr);

    QLabel *pnlInfo;
    QLabel *pnlNum;
    QProgressBar *pnlWait;
    QFrame *pnlWatch;
    QLabel *imgWatch;

    // An hourglass drawn at `size` × `size` logical pixels.
    static QPixmap HourglassPicture(int size, qreal devicePixelRatio = 1.0);
};

} // namespace rollscan
