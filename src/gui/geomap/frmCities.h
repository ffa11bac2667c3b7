#pragma once

#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapPass.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

class QGridLayout;
class QLabel;
class QPushButton;

namespace rollscan {

class Services;

// The districts of the large cities, too small to be seen on the drawn US map, each enlarged in an
// inset of its own (up to fifteen, in a grid) and filled in the colours the map gave them.
class frmCities : public QWidget {
    Q_OBJECT

public:
    // Up to this many cities are drawn.
    static constexpr int kMaxCities = 15;

    frmCities(Services &services, QWidget *parent = nullptr);

    // Reads the congress's ".cit" file and draws the insets with the district table's colours. False
    // (after the report) when the file cannot be read.
    bool showCities(const QString &dataRoot, std::shared_ptr<const DrawnMapData> data,
                    const QList<DrawnDistrict> &districtTable);

    // One inset of `size` pixels: the city's district outlines enlarged to fit and each district
    // filled in its colour. `filled` receives the pixels filled per district drawn, by identifier.
    static QImage DrawCity(const QList<CityPoint> &points, const QHash<int, int> &districtColours, const QSize &size,
                           QHash<int, qint64> *filled = nullptr);

    // How `count` insets are laid out in `room` pixels: the columns and the inset size (at most
    // 260 x 200, shrunk with its proportions kept) that give the largest insets, each inset taking
    // `captionHeight` more pixels for its name and `gap` pixels more each way.
    struct InsetGrid {
        int columns;
        QSize inset;
    };
    static InsetGrid GridFor(int count, const QSize &room, int captionHeight, int gap);

    QList<QLabel *> lblCity; // the city names, in inset order
    QList<QLabel *> picCity; // the insets
    QPushButton *btnDone, *btnHelp;

private:
    Services &m_services;
    QGridLayout *m_grid;
};

} // namespace rollscan
