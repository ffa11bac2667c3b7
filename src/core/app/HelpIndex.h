#pragma once

#include <QList>
#include <QString>

namespace rollscan {

// The index of the help pages: every topic with its title and its words, and a search over them.
class HelpIndex {
public:
    struct Topic {
        QString page;  // file name, e.g. "frmAttach.html"
        QString title; // the page's <title>, else its file name
        QString text;  // the page's words without markup, lower case
    };

    // Adds a page from its HTML source.
    void add(const QString &page, const QString &html);

    // The topics whose title or text holds every word of `query` (case does not matter), by title;
    // every topic for an empty query.
    QList<Topic> search(const QString &query) const;

    const QList<Topic> &topics() const { return m_topics; }

private:
    QList<Topic> m_topics;
};

} // namespace rollscan
