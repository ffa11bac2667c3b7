#pragma once

#include "core/search/ListColumns.h"

#include <QStyledItemDelegate>

class QHeaderView;
class QListWidget;
class QListWidgetItem;

namespace rollscan {

// Shows a roll-call list as columns: congress, roll-call number and date before the row's line. The
// items stay plain list items whose text is the line, so everything that reads the list's texts
// (queue, bookmarks, outputs, tests) sees the same lines as before; the columns ride along as item
// data and are drawn by this delegate under a header of captions.
class RollCallListColumns : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Item data roles of the three leading columns.
    static constexpr int kCongressRole = Qt::UserRole + 11;
    static constexpr int kRollCallRole = Qt::UserRole + 12;
    static constexpr int kDateRole = Qt::UserRole + 13;

    // Puts the delegate on `list` and returns the header, which the caller lays out above the list.
    static QHeaderView *Install(QListWidget *list);
    // The delegate of a list, or nullptr when the list shows plain lines.
    static RollCallListColumns *Of(const QListWidget *list);

    // Stores the leading columns of a row on its item.
    static void SetColumns(QListWidgetItem *item, const ListColumns &columns);
    // The leading columns of an item as shown (the line is the item's text).
    static ListColumns ColumnsOf(const QListWidgetItem *item);

    // Width of the three leading columns, i.e. where the line starts.
    int prefixWidth() const;
    // Sizes the leading columns to their widest text and caption.
    void fitColumns();

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    RollCallListColumns(QListWidget *list, QHeaderView *header);

    QListWidget *m_list;
    QHeaderView *m_header;
};

} // namespace rollscan
