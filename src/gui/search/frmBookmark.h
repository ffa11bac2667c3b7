#pragma once

#include "core/search/BookmarkList.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rollscan {

class Services;
class Session;

// The bookmark editor: loads a bookmark file, reorders and prunes its roll calls and saves them.
// Unsaved changes are dropped when it closes.
class frmBookmark : public QDialog {
    Q_OBJECT

public:
    frmBookmark(Session &session, Services &services, QWidget *parent = nullptr);

    const BookmarkList &bookmarks() const { return m_list; }

    QGroupBox *fraBookmark;
    QListWidget *lstBookmark;
    QLabel *lblTotal, *lblBookmarkCount;
    QPushButton *btnLoad, *btnSave, *btnMoveUp, *btnMoveDown, *btnRemove, *btnClear, *btnDone, *btnHelp;

    void load();
    void save();
    void moveUp();
    void moveDown();
    void remove();
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showEntries(int currentRow);
    void updateButtons();
    void setFileCaption(const QString &path);

    Session &m_session;
    Services &m_services;
    BookmarkList m_list;
};

} // namespace rollscan
