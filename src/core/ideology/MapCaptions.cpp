#include "core/ideology/MapCaptions.h"

#include "core/data/Bytes.h"
#include "core/data/DataTree.h"
#include "core/data/Dates.h"
#include "core/data/FileIO.h"
#include "core/ideology/IdeologyTexts.h"

#include <QFileInfo>

namespace rollscan {

namespace {
const QString kNotApplicableCode = QStringLiteral("N/A");

// Issue file record: two int16 issue codes.
constexpr int kIssueRecordLength = 4;
constexpr int kIssue1 = 0;
constexpr int kIssue2 = 2;
} // namespace

QString MapTitle2(bool isHouse, int congress, int rollCall, const TaggedDate &date, int queuePosition, int queueLength)
{
    const QString dateText = date.isDate() ? FormatNumericDate(date.date()) : date.text;
    return (isHouse ? QStringLiteral("House #") : QStringLiteral("Senate #")) + QString::number(congress) +
           QStringLiteral(" Roll Call #") + QString::number(rollCall) + QStringLiteral("  ") + dateText +
           QStringLiteral("  (") + QString::number(queuePosition) + QLatin1Char('/') + QString::number(queueLength) +
           QLatin1Char(')');
}

QString MapWindowCaption(const QString &description)
{
    return IdeologyText::kTitleCaptionPrefix + description;
}

QString SubjectCodeText(int code, const CodeLookup &lookup)
{
    if (code == 0)
        return kNotApplicableCode;
    const QString text = lookup ? lookup(code) : QString();
    return text.isEmpty() ? QString::number(code) : text;
}

CodeCaptions BuildCodeCaptions(const SubjectCodeTexts &c)
{
    CodeCaptions out;
    if (c.fromIssueFile) {
        out.replaceCombo = true;
        const QStringList candidates = {c.issue1, c.issue2, QStringLiteral("Clausen: ") + c.clausen,
                                        QStringLiteral("Peltzman: ") + c.peltzman1};
        const QStringList codes = {c.issue1, c.issue2, c.clausen, c.peltzman1};
        for (int i = 0; i < candidates.size(); ++i)
            if (codes.at(i) != kNotApplicableCode)
                out.cmbCodes.append(candidates.at(i));
        out.lblCodes = c.issue1 + QStringLiteral(", ") + c.issue2 + QLatin1Char('\n') + c.clausen + QLatin1Char('\n') +
                       c.peltzman1;
    } else {
        out.lblCodes = c.issue1 + QLatin1Char('\n') + c.clausen + QLatin1Char('\n') + c.peltzman1;
    }
    if (c.peltzman2 != kNotApplicableCode)
        out.lblCodes += QStringLiteral(", ") + c.peltzman2;
    return out;
}

std::optional<std::pair<int, int>> ReadSenateIssueCodes(const QString &root, int congress, int rollCall)
{
    const QString path = CongressFileName(root, false, congress, QStringLiteral(".iss"));
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QByteArray data = ReadWholeFile(path);
    const ByteReader in(data, path);
    const qint64 at = qint64(rollCall - 1) * kIssueRecordLength;
    if (rollCall < 1 || at + kIssueRecordLength > data.size())
        return std::pair<int, int>{0, 0};
    return std::pair<int, int>{in.i16(at + kIssue1), in.i16(at + kIssue2)};
}

} // namespace rollscan
