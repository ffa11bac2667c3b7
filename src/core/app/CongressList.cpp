#include "core/app/CongressList.h"

#include "core/data/Dates.h"

#include <QDir>
#include <algorithm>

namespace rollscan {

QList<int> FindCongresses(const QString &folder, bool isHouse)
{
    const QString suffix = isHouse ? QStringLiteral(".lcr") : QStringLiteral("s.lcr");
    QList<int> out;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Readable);
    for (const QString &name : names) {
        if (!name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        const QString stem = name.left(name.size() - suffix.size());
        bool ok = false;
        const int n = stem.toInt(&ok);
        // Only plain decimal names count: "097" or "+97" are not how congress files are named.
        if (ok && n > 0 && stem == QString::number(n))
            out.append(n);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

QString CongressSpanCaption(const QList<int> &houseList, const QList<int> &senateList)
{
    const QList<int> all = houseList + senateList;
    int first = 1789;
    int last = 2000;
    if (!all.isEmpty()) {
        first = CongressFirstYear(*std::min_element(all.cbegin(), all.cend()));
        last = CongressSecondYear(*std::max_element(all.cbegin(), all.cend()));
    }
    return QStringLiteral("Roll Call Displays of the U.S. Congress, %1-%2").arg(first).arg(last);
}

} // namespace rollscan
