#include "core/search/SubjectCodeTable.h"

#include "core/data/Cp1252.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <algorithm>

namespace rollscan {

namespace {
// Columns of a code line (0-based here): the code in 0..2, a separator in 3..5, the name from 6.
constexpr int kCodeWidth = 3;
constexpr int kNameColumn = 6;

QString trimmedRight(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}
} // namespace

QString SubjectCodeFileName(SubjectScheme scheme)
{
    switch (scheme) {
    case SubjectScheme::Issue:
        return QStringLiteral("isscodes.dat");
    case SubjectScheme::Clausen:
        return QStringLiteral("clacodes.dat");
    case SubjectScheme::Peltzman:
        break;
    }
    return QStringLiteral("pelcodes.dat");
}

QString SubjectAccessCaption(SubjectScheme scheme)
{
    switch (scheme) {
    case SubjectScheme::Issue:
        return QStringLiteral("Subject Access: Issue Codes");
    case SubjectScheme::Clausen:
        return QStringLiteral("Subject Access: Clausen Codes");
    case SubjectScheme::Peltzman:
        break;
    }
    return QStringLiteral("Subject Access: Peltzman Codes");
}

SubjectCodeTable SubjectCodeTable::Read(const QString &path)
{
    return Parse(ReadWholeFile(path), path);
}

std::optional<SubjectCodeTable> SubjectCodeTable::ReadIfReadable(const QString &path)
{
    try {
        return Read(path);
    } catch (const FileError &) {
        return std::nullopt;
    }
}

SubjectCodeTable SubjectCodeTable::Parse(const QByteArray &content, const QString &path)
{
    SubjectCodeTable table;
    int lineNumber = 0;
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        const QString line = trimmedRight(DecodeCp1252(QByteArrayView(content).sliced(pos, end - pos)));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n')
            ++end;
        pos = end + 1;
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        if (table.m_rows.size() >= kMaxRows) {
            table.m_truncated = true;
            break;
        }
        SubjectCode row;
        row.codeText = line.left(kCodeWidth);
        bool ok = false;
        row.code = row.codeText.trimmed().toInt(&ok);
        if (!ok || row.code < -32768 || row.code > 32767)
            throw FileError(
                FileErrorNumber::BadFormat, path,
                QStringLiteral("Line %1 does not start with a subject code: \"%2\"").arg(lineNumber).arg(line));
        row.name = line.mid(kNameColumn);
        table.m_rows.append(row);
    }
    if (table.m_rows.isEmpty())
        throw FileError(FileErrorNumber::PastEnd, path, QStringLiteral("The file holds no subject code"));
    return table;
}

QStringList SubjectCodeTable::names() const
{
    QStringList out;
    out.reserve(m_rows.size());
    for (const SubjectCode &row : m_rows)
        out.append(row.name);
    return out;
}

ChosenSubjects SubjectCodeTable::choose(QList<int> listRows) const
{
    std::sort(listRows.begin(), listRows.end());
    listRows.erase(std::unique(listRows.begin(), listRows.end()), listRows.end());
    ChosenSubjects chosen;
    for (int i : listRows) {
        if (i < 0 || i >= m_rows.size())
            continue;
        if (chosen.codes.size() >= kMaxChosen)
            break;
        chosen.codes.append(m_rows[i].code);
        chosen.names.append(m_rows[i].name);
    }
    return chosen;
}

} // namespace rollscan
