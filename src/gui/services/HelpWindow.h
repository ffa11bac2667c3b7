#pragma once

#include "core/app/HelpIndex.h"

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace rollscan {

// The help window: the program's HTML pages (compiled in under qrc:/help/), one topic per window.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The page of a topic ("frmVoteStartup" → qrc:/help/frmVoteStartup.html); the contents page for
    // a topic that has no page.
    static QUrl TopicUrl(const QString &topic);
    // True for addresses of the compiled-in help pages.
    static bool IsHelpAddress(const QUrl &url);

    // Shows a page and brings the window to the front.
    void showPage(const QUrl &url);
    // Shows a plain-text report in a fixed-pitch font, so that its columns line up.
    void showText(const QString &title, const QString &text);

    QTextBrowser *txtHelp;
    QPushButton *btnBack, *btnForward, *btnContents, *btnClose;
    // The index of every topic, narrowed by the words typed in the search box.
    QLineEdit *txtSearch;
    QListWidget *lstTopics;

private:
    void fillTopics();
    HelpIndex m_index;
};

} // namespace rollscan
