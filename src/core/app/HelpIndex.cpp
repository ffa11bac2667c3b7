#include "core/app/HelpIndex.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace rollscan {

namespace {
// The few entities the pages use; anything else stays as written.
QString decodeEntities(QString text)
{
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}
} // namespace

void HelpIndex::add(const QString &page, const QString &html)
{
    static const QRegularExpression titleTag(QStringLiteral("<title>(.*?)</title>"),
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression head(QStringLiteral("<head>.*?</head>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression space(QStringLiteral("\\s+"));

    Topic topic;
    topic.page = page;
    const QRegularExpressionMatch m = titleTag.match(html);
    topic.title = m.hasMatch() ? decodeEntities(m.captured(1)).simplified() : QString();
    if (topic.title.isEmpty())
        topic.title = page;
    QString body = html;
    body.remove(head);
    body.replace(tag, QStringLiteral(" "));
    topic.text = decodeEntities(body).replace(space, QStringLiteral(" ")).trimmed().toLower();
    m_topics.append(topic);
}

QList<HelpIndex::Topic> HelpIndex::search(const QString &query) const
{
    const QStringList words = query.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<Topic> found;
    for (const Topic &t : m_topics) {
        const QString haystack = t.title.toLower() + QLatin1Char(' ') + t.text;
        if (std::all_of(words.begin(), words.end(), [&](const QString &w) { return haystack.contains(w); }))
            found.append(t);
    }
    std::sort(found.begin(), found.end(),
              [](const Topic &a, const Topic &b) { return QString::localeAwareCompare(a.title, b.title) < 0; });
    return found;
}

} // namespace rollscan
