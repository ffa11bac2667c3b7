#include "core/app/TokenList.h"

#include "core/data/TokenTable.h"

#include <QStringList>

namespace rollscan {

QString TokenListText(const TokenTable &table)
{
    const QString title = QStringLiteral("List of Tokens in token.dat");
    QStringList lines{title, QString(title.size(), QLatin1Char('-')), QString(),
                      QStringLiteral("Record  Symbol  Value  Name")};
    const qsizetype count = std::min<qsizetype>(table.records.size(), kListedTokens);
    for (qsizetype i = 0; i < count; ++i) {
        const TokenRecord &r = table.records.at(i);
        lines.append(QString::number(i + 1).rightJustified(6) + QStringLiteral("  ") +
                     QString(r.symbol).leftJustified(6) + QStringLiteral("  ") +
                     QString::number(r.value).rightJustified(5) + QStringLiteral("  ") + r.name);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace rollscan
