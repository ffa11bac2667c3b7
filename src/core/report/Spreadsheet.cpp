#include "core/report/Spreadsheet.h"

#include "core/app/Session.h"
#include "core/data/Cp1252.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/report/OutputColumns.h"

namespace rollscan {

namespace {
constexpr int kProgressStep = 20;

QString quoted(QString text)
{
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString columnLine()
{
    const QStringList captions = {QStringLiteral("H#"),     QStringLiteral("ID1"),  QStringLiteral("ID2"),
                                  QStringLiteral("SC"),     QStringLiteral("CD"),   QStringLiteral("STATE"),
                                  QStringLiteral("PARTY"),  QStringLiteral("NAME"), QStringLiteral("XCOORD"),
                                  QStringLiteral("YCOORD"), QStringLiteral("RC#"),  QStringLiteral("VOTE")};
    QStringList cells;
    for (const QString &c : captions)
        cells.append(quoted(c));
    return cells.join(QLatin1Char(','));
}

QString legislatorLine(const RollCallSheet &sheet, const SheetLegislator &line)
{
    const Legislator &l = line.legislator;
    // The name is the one free text of a line: a comma in it would shift every later column.
    QString name = l.name;
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    if (comma >= 0)
        name[comma] = QLatin1Char(' ');
    QString out = QString::number(sheet.congress) + QLatin1Char(',') + QString::number(l.id1) + QLatin1Char(',') +
                  QString::number(l.id2) + QLatin1Char(',') + QString::number(l.stateCode) + QLatin1Char(',') +
                  QString::number(l.district) + QLatin1Char(',') + quoted(line.stateName) + QLatin1Char(',') +
                  QString::number(l.partyCode) + QLatin1Char(',') + quoted(name) + QLatin1Char(',') +
                  FormatCoordinate(l.coord1) + QLatin1Char(',') + FormatCoordinate(l.coord2);
    for (qsizetype i = 0; i < sheet.rollCalls.size(); ++i)
        out += QLatin1Char(',') + QString::number(sheet.rollCalls[i].rollCall) + QLatin1Char(',') +
               QString::number(line.votes.value(i));
    return out;
}
} // namespace

QByteArray SpreadsheetBytes(const QList<RollCallSheet> &sheets, const ProgressCallback &progress)
{
    QByteArray out;
    const auto put = [&out](const QString &line) { out += EncodeCp1252(line) + kOutputLineEnd; };
    for (const RollCallSheet &sheet : sheets) {
        for (const SheetRollCall &rc : sheet.rollCalls) {
            for (const QString &line : RollCallHeading(sheet.isHouse, sheet.congress, rc))
                put(line);
            put(QString());
        }
        put(columnLine());
        const int count = int(sheet.legislators.size());
        for (int m = 1; m <= count; ++m) {
            put(legislatorLine(sheet, sheet.legislators[m - 1]));
            if (progress && m % kProgressStep == 0)
                progress(m * 100 / count, m);
        }
    }
    return out;
}

void WriteSpreadsheet(const Session &session, const QString &fileName, bool wholeQueue,
                      const ProgressCallback &progress)
{
    if (session.queue.length() == 0)
        throw DataError(QStringLiteral("The selection queue is empty."));
    const QList<RollCallSheet> sheets =
        wholeQueue ? LoadQueueSheets(session)
                   : QList<RollCallSheet>{LoadQueueEntrySheet(session, session.queue.currentQueuePos())};
    WriteWholeFile(fileName, SpreadsheetBytes(sheets, progress));
}

} // namespace rollscan
