#include "core/report/RollCallText.h"

#include "core/app/Session.h"
#include "core/data/Cp1252.h"
#include "core/data/FileIO.h"
#include "core/report/OutputColumns.h"

namespace rollscan {

namespace {
constexpr int kProgressStep = 20;

void report(const ProgressCallback &progress, int m, int count)
{
    if (progress && m % kProgressStep == 0)
        progress(count > 0 ? m * 100 / count : 100, m);
}

QStringList tableLines(const RollCallSheet &sheet, const ProgressCallback &progress)
{
    QStringList lines = LayOutColumns(RollCallTableCaptions(), RollCallTableColumns());
    const int count = int(sheet.legislators.size());
    for (int m = 1; m <= count; ++m) {
        lines += LayOutColumns(RollCallTableValues(sheet, m - 1), RollCallTableColumns());
        report(progress, m, count);
    }
    return lines;
}
} // namespace

RollCallSaveKind RollCallSaveKindOf(const QString &fileName)
{
    const QString last = fileName.right(3).toLower();
    if (last == QLatin1String("bmp"))
        return RollCallSaveKind::Bitmap;
    if (last == QLatin1String("wmf"))
        return RollCallSaveKind::Metafile;
    return RollCallSaveKind::Text;
}

QStringList RollCallTableValues(const RollCallSheet &sheet, int legislator, int index)
{
    const SheetLegislator &line = sheet.legislators.at(legislator);
    const Legislator &l = line.legislator;
    return {QString::number(sheet.congress),
            QString::number(l.id1),
            QString::number(l.id2),
            QString::number(l.stateCode),
            QString::number(l.district),
            line.stateName,
            QString::number(l.partyCode),
            l.name,
            FormatCoordinate(l.coord1),
            FormatCoordinate(l.coord2),
            QString::number(line.votes.value(index))};
}

QStringList RollCallTextLines(const RollCallSheet &sheet, const ProgressCallback &progress)
{
    QStringList lines;
    if (!sheet.rollCalls.isEmpty())
        lines = RollCallHeading(sheet.isHouse, sheet.congress, sheet.rollCalls.first());
    lines.append(QString());
    lines += tableLines(sheet, progress);
    return lines;
}

void SaveRollCallText(const QString &fileName, const RollCallSheet &sheet, const ProgressCallback &progress)
{
    QByteArray out;
    for (const QString &line : RollCallTextLines(sheet, progress))
        out += EncodeCp1252(line) + kOutputLineEnd;
    WriteWholeFile(fileName, out);
}

void SaveRollCallText(const Session &session, const QString &fileName, const ProgressCallback &progress)
{
    SaveRollCallText(fileName, LoadQueueEntrySheet(session, session.queue.currentQueuePos()), progress);
}

QList<PrintedLine> PrintedRollCallPage(const RollCallSheet &sheet, const ProgressCallback &progress)
{
    QList<PrintedLine> page;
    page.append({PrintRole::Title, QStringLiteral("Rollscan for Windows Roll Call Output")});
    if (!sheet.rollCalls.isEmpty())
        for (const QString &line : RollCallHeading(sheet.isHouse, sheet.congress, sheet.rollCalls.first()))
            page.append({PrintRole::Heading, line});
    page.append({PrintRole::Heading, QString()});
    for (const QString &line : tableLines(sheet, progress))
        page.append({PrintRole::Table, line});
    return page;
}

} // namespace rollscan
