#include "gui/geomap/frmCities.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/geomap/FloodFill.h"
#include "gui/app/PaletteColour.h"
#include "gui/services/ScreenFit.h"
#include "gui/services/Services.h"
#include "gui/services/WaitGuard.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 150;
const QSize kInsetSize(260, 200);
// A title bar and borders the window system draws around the window.
const QSize kFrameAllowance(16, 40);

QString whileDrawing(int number)
{
    return QStringLiteral("An error (") + QString::number(number) +
           QStringLiteral(") has occurred while drawing cities.");
}

// The lines of a city's districts: a new line starts with each district (and where the unused field
// marks a new ring as the district files do).
QList<QPair<int, QPolygonF>> cityLines(const QList<CityPoint> &points)
{
    QList<QPair<int, QPolygonF>> lines;
    for (int i = 0; i < points.size(); ++i) {
        const CityPoint &p = points.at(i);
        if (i == 0 || p.district != points.at(i - 1).district || p.unused == kPenUp)
            lines.append(qMakePair(int(p.district), QPolygonF()));
        lines.last().second.append(QPointF(p.x, p.y));
    }
    return lines;
}
// Fills a ring from the middle of the longest run of background pixels that lies inside it on its
// middle row (or, when that row has none, on a row above or below it). The pixels filled: 0 when no
// run was found or the part was filled already.
qint64 fillRing(PixelBuffer buffer, const QPolygonF &ring, quint32 colour, quint32 background)
{
    const QRectF box = ring.boundingRect();
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int y = int(box.center().y() + (attempt % 2 ? 1 : -1) * ((attempt + 1) / 2) * box.height() / 6.0);
        if (y < 0 || y >= buffer.height)
            continue;
        int bestStart = -1, bestLength = 0;
        for (int x = std::max(0, int(box.left())); x <= std::min(buffer.width - 1, int(box.right()));) {
            if (buffer.at(x, y) != background || !ring.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) {
                ++x;
                continue;
            }
            int end = x;
            while (end + 1 < buffer.width && buffer.at(end + 1, y) == background)
                ++end;
            if (end - x + 1 > bestLength) {
                bestLength = end - x + 1;
                bestStart = x;
            }
            x = end + 1;
        }
        if (bestStart >= 0)
            return FloodFill(buffer, bestStart + bestLength / 2, y, colour, background);
    }
    return 0;
}
} // namespace

frmCities::frmCities(Services &services, QWidget *parent) : QWidget(parent, Qt::Window), m_services(services)
{
    setObjectName(QStringLiteral("frmCities"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("City Districts"));
    auto *layout = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_grid->setSpacing(8);
    layout->addLayout(m_grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    btnHelp = Named(new QPushButton(QStringLiteral("&Help")), "btnHelp");
    btnDone = Named(new QPushButton(QStringLiteral("&Done")), "btnDone");
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnDone);
    layout->addLayout(buttons);
    connect(btnDone, &QPushButton::clicked, this, &QWidget::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, QStringLiteral("frmCities")); });
}

QImage frmCities::DrawCity(const QList<CityPoint> &points, const QHash<int, int> &districtColours, const QSize &size,
                           QHash<int, qint64> *filled)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (points.isEmpty())
        return image;
    double left = std::numeric_limits<double>::max(), top = left;
    double right = std::numeric_limits<double>::lowest(), bottom = right;
    for (const CityPoint &p : points) {
        left = std::min<double>(left, p.x);
        right = std::max<double>(right, p.x);
        top = std::min<double>(top, p.y);
        bottom = std::max<double>(bottom, p.y);
    }
    const double margin = 6.0;
    const double scale = std::min((size.width() - 2 * margin) / std::max(1.0, right - left),
                                  (size.height() - 2 * margin) / std::max(1.0, bottom - top));
    const double offsetX = (size.width() - (right - left) * scale) / 2.0 - left * scale;
    const double offsetY = (size.height() - (bottom - top) * scale) / 2.0 - top * scale;
    auto pixel = [&](const QPointF &p) {
        return QPointF(std::floor(p.x() * scale + offsetX) + 0.5, std::floor(p.y() * scale + offsetY) + 0.5);
    };

    const QList<QPair<int, QPolygonF>> lines = cityLines(points);
    QMap<int, QList<QPolygonF>> rings; // by district, in pixels
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        for (const auto &[district, line] : lines) {
            QPolygonF px;
            for (const QPointF &p : line)
                px.append(pixel(p));
            painter.drawPolyline(px);
            rings[district].append(px);
        }
    }
    // Each part of a district is filled from a point inside its ring.
    const PixelBuffer buffer{reinterpret_cast<quint32 *>(image.bits()), image.width(), image.height(),
                             int(image.bytesPerLine() / 4)};
    const quint32 background = QColor(Qt::white).rgb();
    // Smaller parts first: a ring that is the hole of another district then finds that district
    // filled already and is not filled over in the colour of the district around it.
    struct Part {
        int district;
        const QPolygonF *ring;
        double area;
    };
    std::vector<Part> parts;
    for (auto it = rings.cbegin(); it != rings.cend(); ++it)
        for (const QPolygonF &ring : it.value())
            parts.push_back({it.key(), &ring, ring.boundingRect().width() * ring.boundingRect().height()});
    std::stable_sort(parts.begin(), parts.end(), [](const Part &a, const Part &b) { return a.area < b.area; });
    for (const Part &part : parts) {
        const auto colour = districtColours.constFind(part.district);
        if (colour == districtColours.cend() || *colour < 0)
            continue;
        // A part whose outline is not closed at this size would let its fill run out over the
        // inset: such a fill is taken back.
        const QImage before = image.copy();
        qint64 pixels = fillRing(buffer, *part.ring, PaletteColour(*colour).rgb(), background);
        if (pixels > part.area + 2 * (part.ring->boundingRect().width() + part.ring->boundingRect().height()) + 4) {
            std::memcpy(image.bits(), before.constBits(), std::size_t(image.sizeInBytes()));
            pixels = 0;
        }
        if (filled)
            (*filled)[part.district] += pixels;
    }
    return image;
}

frmCities::InsetGrid frmCities::GridFor(int count, const QSize &room, int captionHeight, int gap)
{
    InsetGrid best{1, QSize(1, 1)};
    double bestScale = -1.0;
    for (int columns = 1; columns <= std::max(1, std::min(count, 5)); ++columns) {
        const int rows = std::max(1, (count + columns - 1) / columns);
        const double width = double(room.width()) / columns - gap;
        const double height = double(room.height()) / rows - gap - captionHeight;
        const double scale = std::min({1.0, width / kInsetSize.width(), height / kInsetSize.height()});
        // The fewest columns that give the largest insets.
        if (scale > bestScale + 1e-9) {
            bestScale = scale;
            best = {columns,
                    QSize(std::max(1, int(kInsetSize.width() * scale)), std::max(1, int(kInsetSize.height() * scale)))};
        }
    }
    return best;
}

bool frmCities::showCities(const QString &dataRoot, std::shared_ptr<const DrawnMapData> data,
                           const QList<DrawnDistrict> &districtTable)
{
    ErrorReporting how;
    how.fileErrorText = [](const FileError &e) { return whileDrawing(e.number()); };
    QList<CityPoint> points;
    if (!RunReportingErrors(
            m_services, this,
            [&] {
                const WaitGuard wait(m_services, QStringLiteral("Drawing city districts..."));
                points = ReadCityPoints(CongressFileName(dataRoot, true, data->congress, QStringLiteral(".cit")));
            },
            how))
        return false;

    // The colour of each district identifier from the district table.
    QHash<int, int> colours;
    for (auto it = data->districtRows.cbegin(); it != data->districtRows.cend(); ++it)
        if (it.value() >= 0 && it.value() < districtTable.size())
            colours.insert(it.key(), districtTable.at(it.value()).colour);

    QMap<int, QList<CityPoint>> byCity;
    for (const CityPoint &p : std::as_const(points))
        if (p.city >= 0 && p.city < kMaxCities)
            byCity[p.city].append(p);
    const int count = int(byCity.size());
    // The insets share the screen: all the cities must fit without a scroll bar, at any scale factor.
    QSize room(1600, 1000);
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        room = screen->availableGeometry().size();
    const QMargins margins = layout()->contentsMargins();
    const int spacing = m_grid->spacing();
    // Beyond the insets: the margins, the button row and a title bar the window system adds.
    const QSize chrome(margins.left() + margins.right() + kFrameAllowance.width(),
                       margins.top() + margins.bottom() + layout()->spacing() + btnDone->sizeHint().height() +
                           kFrameAllowance.height());
    const InsetGrid grid = GridFor(count, room - chrome, fontMetrics().height() + spacing, spacing + 2);
    const int columns = grid.columns;
    const QSize inset = grid.inset;
    const qreal ratio = devicePixelRatioF();
    const WaitGuard wait(m_services, QStringLiteral("Filling city districts..."));
    int drawn = 0, record = 0;
    for (auto it = byCity.cbegin(); it != byCity.cend(); ++it, ++drawn) {
        record += int(it.value().size());
        if (drawn % 3 == 0 || record % kProgressEvery == 0)
            WaitProgress(m_services, true)(int(qint64(record) * 100 / std::max<qsizetype>(1, points.size())), record);
        // The city's name is the item of its line in "city.dat".
        const QString name = it.key() < data->cities.size() ? data->cities.at(it.key()).item.trimmed()
                                                            : QStringLiteral("City %1").arg(it.key() + 1);
        // Each inset is fitted to its own city, so the finer unit of the city files needs no care.
        QImage picture = DrawCity(it.value(), colours, (QSizeF(inset) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        auto *caption = new QLabel(name);
        caption->setObjectName(QStringLiteral("lblCity%1").arg(drawn + 1));
        caption->setAlignment(Qt::AlignCenter);
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
        // A name wider than a small inset is shortened rather than widening the grid past the screen.
        caption->setText(QFontMetrics(font).elidedText(name, Qt::ElideRight, inset.width()));
        caption->setToolTip(name);
        auto *frame = new QLabel;
        frame->setObjectName(QStringLiteral("picCity%1").arg(drawn + 1));
        frame->setPixmap(QPixmap::fromImage(picture));
        frame->setFrameShape(QFrame::Box);
        frame->setToolTip(name);
        const int row = drawn / columns, column = drawn % columns;
        m_grid->addWidget(caption, row * 2, column);
        m_grid->addWidget(frame, row * 2 + 1, column);
        lblCity.append(caption);
        picCity.append(frame);
    }
    if (count == 0) {
        auto *none = new QLabel(QStringLiteral("No city districts are drawn for this congress."));
        none->setObjectName(QStringLiteral("lblNoCities"));
        m_grid->addWidget(none, 0, 0);
    }
    adjustSize();
    FitToScreen(this);
    CentreOnScreen(this);
    return true;
}

} // namespace rollscan
