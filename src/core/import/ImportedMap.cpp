#include "core/import/ImportedMap.h"

#include "core/geomap/UsMapTexts.h"
#include "core/import/QuantData.h"
#include "core/import/QuantKey.h"

namespace rollscan {

int ImportRowFor(const QuantData &data, bool isHouse, int state, int district, qint32 id1)
{
    for (int i = 0; i < data.rows.size(); ++i) {
        const QuantRow &r = data.rows.at(i);
        if (r.state != state)
            continue;
        if (isHouse ? r.item == district : (r.item == 0 || r.item == id1))
            return i;
    }
    return -1;
}

QList<std::optional<double>> MemberValues(const UsMapPass &pass, const QuantData &data)
{
    QList<std::optional<double>> values;
    values.reserve(pass.GisVoteTable.size());
    // A House data set says nothing about senators, nor a Senate one about districts.
    if (data.isHouse != pass.isHouse) {
        values.resize(pass.GisVoteTable.size());
        return values;
    }
    for (const UsMapMember &m : pass.GisVoteTable) {
        const int row = ImportRowFor(data, pass.isHouse, m.icpsr, m.district, m.id1);
        values.append(row < 0 ? std::nullopt : std::optional<double>(data.rows.at(row).value));
    }
    return values;
}

UsMapColouring ColourImported(const UsMapPass &pass, const QStringList &keys, const QuantData &data,
                              const QuantKey &key, const Preferences &prefs, const StateFilter &filter)
{
    UsMapColouring out = ColourUsMap(pass, keys, prefs, filter);
    const QList<std::optional<double>> values = MemberValues(pass, data);
    for (FeatureFill &fill : out.fills) {
        if (fill.style == FillStyle::Transparent)
            continue;
        bool ok = false;
        const int feature = fill.key.toInt(&ok);
        if (!ok)
            continue;
        double sum = 0.0;
        int count = 0;
        // A member of the feature who is not on the map (no coordinates) still holds its seat.
        for (int row : out.membersByKey.value(feature)) {
            if (values.at(row)) {
                sum += *values.at(row);
                ++count;
            }
        }
        fill.style = FillStyle::Solid;
        if (count == 0) {
            fill.usesDefault = true;
            fill.className = QStringLiteral("default");
            continue;
        }
        fill.usesDefault = false;
        fill.graded = true;
        fill.value = sum / count;
        fill.valueClass = key.classOf(fill.value);
        if (fill.valueClass == 0) {
            fill.usesDefault = true;
            fill.graded = false;
            fill.className = QStringLiteral("default");
            continue;
        }
        fill.rgb = key.colour(fill.valueClass);
        fill.className = QStringLiteral("class-%1").arg(fill.valueClass);
    }
    return out;
}

Rgb VoteCircleColour(VoteClass cls, const Preferences &prefs)
{
    switch (cls) {
    case VoteClass::Yea:
    case VoteClass::YeaNay:
        return Rgb{255, 255, 255};
    case VoteClass::Nay:
    case VoteClass::NayYea:
        return Rgb{0, 0, 0};
    default:
        return ColourOf(prefs.notVotingColour());
    }
}

QList<VoteCircle> VoteCircles(const UsMapPass &pass, const UsMapColouring &colouring, const QuantData &data,
                              const Preferences &prefs)
{
    QList<VoteCircle> circles;
    const QList<std::optional<double>> values = MemberValues(pass, data);
    for (int f = 0; f < colouring.fills.size(); ++f) {
        const FeatureFill &fill = colouring.fills.at(f);
        if (!fill.graded)
            continue;
        QList<int> rows;
        for (int row : colouring.membersByKey.value(fill.key.toInt()))
            if (values.at(row))
                rows.append(row);
        for (int i = 0; i < rows.size(); ++i)
            circles.append(
                {f, i, int(rows.size()), VoteCircleColour(pass.GisVoteTable.at(rows.at(i)).voteClass, prefs)});
    }
    return circles;
}

QString ValueTipText(double value)
{
    return QStringLiteral("Value: ") + QString::number(value, 'g', 10);
}

QString ImportedMapCaption(const QString &title, bool withVotes, const QString &rollCallCaption)
{
    QString caption = UsMapText::kCaptionPrefix + title;
    if (withVotes)
        caption += QStringLiteral(", ") + rollCallCaption;
    return caption;
}

} // namespace rollscan
