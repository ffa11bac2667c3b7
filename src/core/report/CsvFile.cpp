#include "core/report/CsvFile.h"

#include "core/data/FileIO.h"

namespace rollscan {

namespace {
QString field(const QString &text)
{
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}
} // namespace

QByteArray CsvBytes(const QList<QStringList> &records)
{
    QByteArray out;
    for (const QStringList &record : records) {
        QStringList fields;
        fields.reserve(record.size());
        for (const QString &text : record)
            fields.append(field(text));
        out += fields.join(QLatin1Char(',')).toUtf8();
        out += "\r\n";
    }
    return out;
}

void WriteCsvFile(const QString &path, const QList<QStringList> &records)
{
    WriteWholeFile(path, CsvBytes(records));
}

} // namespace rollscan
