#pragma once

#include "core/ideology/DrawingPass.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QFrame;
class QGroupBox;
class QLabel;
class QCheckBox;
class QListWidget;
class QPushButton;
class QTimer;

namespace rollscan {

class Services;

// "Find Legislator": the legislators drawn on the map, one to pick; Start (or a double click) shows
// where he stands. The map draws the circle; this window flashes it through its timer.
class frmFind : public QDialog {
    Q_OBJECT

public:
    explicit frmFind(Services &services, QWidget *parent = nullptr);

    // Set before the window is filled: true when the US map opened it.
    void PassVar(bool openedByUSMap);
    bool openedByUSMap() const { return m_usMap; }

    // Lists the labels of the plotted legislators, in order, with their class colours.
    void fillIdeological(const QList<PlottedEntry> &plotted);
    // Lists every legislator of the US map's congress, with his class colour; marks the window as
    // opened by the US map.
    void fillUSMap(const QStringList &labels, const QList<int> &colours);

    // Start or double click: the selected entry is reported through findRequested; with nothing
    // selected the user is told to select one.
    void startFind();

    // Ticks of one flash, 400 ms apart; after the last the highlight stays as it is.
    static constexpr int kFlashTicks = 7;
    static constexpr int kFlashInterval = 400;

    QGroupBox *fraChoose;
    QListWidget *lstFind;
    QCheckBox *chkSortByName; // lists the legislators alphabetically instead of in file order
    QLabel *lblSelected, *lblLegis, *lblFirst;
    QFrame *pnlSelected;
    QPushButton *btnStart, *btnDone, *btnHelp;
    QTimer *tmrFind;

signals:
    // The user asked to find plotted entry `index`.
    void findRequested(int index);
    // A tick of the flash: `visible` tells whether the highlight shows now.
    void flash(bool visible);

private:
    void showSelected();
    // Fills the list in file order, or by name when chkSortByName is checked.
    void showList();
    // The plotted-list index of a row of the list, -1 for none.
    int plottedIndex(int row) const;
    void tick();

    Services &m_services;
    bool m_usMap = false;
    QList<int> m_colours;
    QStringList m_labels;
    int m_ticks = 0;
};

} // namespace rollscan
