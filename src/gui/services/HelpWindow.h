#pragma once

#include <QUrl>
#include <QWidget>

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

    QTextBrowser *txtHelp;
    QPushButton *btnBack, *btnForward, *btnContents, *btnClose;
};

} // namespace rollscan
