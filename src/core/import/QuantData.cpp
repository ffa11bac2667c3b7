#include "core/import/QuantData.h"

#include "core/data/Cp1252.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/StateTable.h"

#include <QStringDecoder>

#include <cmath>
#include <limits>

namespace rollscan {

namespace {

// Import files are written by hand or by other programs: UTF-8 when they are valid UTF-8, else the
// code page of the data files.
QString DecodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return DecodeCp1252(bytes);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return text;
}

QString Unquoted(QString item)
{
    item = item.trimmed();
    if (item.size() >= 2 && item.startsWith(QLatin1Char('"')) && item.endsWith(QLatin1Char('"')))
        item = item.mid(1, item.size() - 2).trimmed();
    return item;
}

[[noreturn]] void Fail(int number, const QString &path, int line, const QString &what)
{
    throw FileError(number, path, QStringLiteral("line %1: %2").arg(line).arg(what));
}

int IntegerItem(const QString &item, const QString &name, const QString &path, int line)
{
    bool ok = false;
    const qlonglong v = item.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        Fail(FileErrorNumber::TypeMismatch, path, line,
             QStringLiteral("the %1 \"%2\" is not a whole number").arg(name, item));
    return int(v);
}

} // namespace

QString QuantData::descriptionText() const
{
    return description.join(QStringLiteral("\r\n"));
}

QString QuantData::previewText() const
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const QuantRow &r : rows)
        lines.append(r.preview);
    return lines.join(QStringLiteral("\r\n"));
}

QuantData QuantData::Read(const QString &path, const StateTable &states)
{
    const QString text = DecodeText(ReadWholeFile(path));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    QuantData data;
    data.path = path;
    int i = 0;
    if (lines.isEmpty())
        Fail(FileErrorNumber::PastEnd, path, 1, QStringLiteral("the file is empty"));
    data.title = lines.at(i++).trimmed();
    for (;; ++i) {
        if (i >= lines.size())
            Fail(FileErrorNumber::PastEnd, path, int(lines.size()),
                 QStringLiteral("no line \"-\" ends the description"));
        if (lines.at(i).trimmed() == QLatin1String("-"))
            break;
        data.description.append(lines.at(i));
    }
    ++i;

    // The design tracked the range from sentinels of +-999999999; starting from the first row keeps
    // values beyond them right.
    const QString itemName = QStringLiteral("district or member");
    for (; i < lines.size(); ++i) {
        const int line = i + 1;
        if (lines.at(i).trimmed().isEmpty())
            continue;
        const QStringList raw = lines.at(i).split(QLatin1Char(','));
        if (raw.size() < 3)
            Fail(FileErrorNumber::PastEnd, path, line,
                 QStringLiteral("%1 of the three items state, %2, value").arg(raw.size()).arg(itemName));
        if (raw.size() > 3)
            Fail(FileErrorNumber::TypeMismatch, path, line,
                 QStringLiteral("%1 items where a row holds three (state, %2, value)").arg(raw.size()).arg(itemName));
        QStringList items;
        for (const QString &r : raw)
            items.append(Unquoted(r));
        QuantRow row;
        row.state = IntegerItem(items.at(0), QStringLiteral("state code"), path, line);
        row.item = IntegerItem(items.at(1), itemName, path, line);
        bool ok = false;
        row.value = items.at(2).toDouble(&ok);
        if (!ok || !std::isfinite(row.value))
            Fail(FileErrorNumber::TypeMismatch, path, line,
                 QStringLiteral("the value \"%1\" is not a number").arg(items.at(2)));
        // Codes between states have blank records in the table: no state either.
        const StateRecord *state = states.find(row.state);
        if (!state || state->name.isEmpty())
            Fail(FileErrorNumber::SubscriptOutOfRange, path, line,
                 QStringLiteral("state code %1 is not in the state table").arg(row.state));
        row.preview = items.at(0) + QLatin1Char(',') + items.at(1) + QLatin1Char(',') + items.at(2);
        if (data.rows.isEmpty()) {
            data.minimum = data.maximum = row.value;
        } else {
            data.minimum = std::min(data.minimum, row.value);
            data.maximum = std::max(data.maximum, row.value);
        }
        data.rows.append(row);
    }
    return data;
}

QStringList QuantData::fileFilters(bool isHouse)
{
    return {QStringLiteral("All Files (*.*)"),
            isHouse ? QStringLiteral("Import Files (*.hqd)") : QStringLiteral("Import Files (*.sqd)")};
}

QString QuantData::defaultSuffix(bool isHouse)
{
    return isHouse ? QStringLiteral("HQD") : QStringLiteral("SQD");
}

} // namespace rollscan
