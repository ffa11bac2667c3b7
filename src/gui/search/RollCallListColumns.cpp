#include "gui/search/RollCallListColumns.h"

#include "gui/services/ScreenFit.h"
#include "gui/services/WindowTools.h"

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

namespace rollscan {

namespace {
constexpr int kPadding = 6; // pixels on each side of a column's text
const char *const kDelegateProperty = "rollscanColumns";
constexpr int kRoles[] = {RollCallListColumns::kCongressRole, RollCallListColumns::kRollCallRole,
                          RollCallListColumns::kDateRole};
} // namespace

RollCallListColumns::RollCallListColumns(QListWidget *list, QHeaderView *header)
    : QStyledItemDelegate(list), m_list(list), m_header(header)
{
}

QHeaderView *RollCallListColumns::Install(QListWidget *list)
{
    auto *model = new QStandardItemModel(0, ListColumns::kCount, list);
    model->setHorizontalHeaderLabels(ListColumnCaptions());
    auto *header = new QHeaderView(Qt::Horizontal);
    header->setObjectName(list->objectName() + QStringLiteral("Header"));
    header->setModel(model);
    header->setSectionsClickable(false);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFocusPolicy(Qt::NoFocus);
    // A header with no rows below it would claim a large default height; one line of captions is enough.
    header->setFixedHeight(header->fontMetrics().height() + 8);
    auto *delegate = new RollCallListColumns(list, header);
    list->setItemDelegate(delegate);
    list->setProperty(kDelegateProperty, QVariant::fromValue<QObject *>(delegate));
    // The header scrolls sideways with the list, so the captions stay over their columns.
    QObject::connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, header, &QHeaderView::setOffset);
    QObject::connect(header, &QHeaderView::sectionResized, list, [list] { list->viewport()->update(); });
    delegate->fitColumns();
    return header;
}

RollCallListColumns *RollCallListColumns::Of(const QListWidget *list)
{
    return qobject_cast<RollCallListColumns *>(list->property(kDelegateProperty).value<QObject *>());
}

void RollCallListColumns::SetColumns(QListWidgetItem *item, const ListColumns &columns)
{
    item->setData(kCongressRole, columns.congress);
    item->setData(kRollCallRole, columns.rollCall);
    item->setData(kDateRole, columns.date);
}

ListColumns RollCallListColumns::ColumnsOf(const QListWidgetItem *item)
{
    return {item->data(kCongressRole).toString(), item->data(kRollCallRole).toString(),
            item->data(kDateRole).toString(), item->text()};
}

int RollCallListColumns::prefixWidth() const
{
    int width = 0;
    for (int c = 0; c < ListColumns::kLineColumn; ++c)
        width += m_header->sectionSize(c);
    return width;
}

void RollCallListColumns::fitColumns()
{
    const QFontMetrics metrics(m_list->font());
    const QFontMetrics headerMetrics(m_header->font());
    const QStringList captions = ListColumnCaptions();
    // A congress and a roll-call number need at most 3 and 4 digits; dates take their widest text.
    QList<int> widths = {metrics.horizontalAdvance(QStringLiteral("000")),
                         metrics.horizontalAdvance(QStringLiteral("0000")), 0};
    for (int i = 0; i < m_list->count(); ++i)
        for (int c = 0; c < ListColumns::kLineColumn; ++c)
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(m_list->item(i)->data(kRoles[c]).toString()));
    for (int c = 0; c < ListColumns::kLineColumn; ++c)
        m_header->resizeSection(c, std::max(widths[c], headerMetrics.horizontalAdvance(captions[c])) + 3 * kPadding);
    m_list->setProperty(kLinePrefixProperty, prefixWidth() + 2 * kPadding);
    m_list->viewport()->update();
}

void RollCallListColumns::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString line = opt.text;
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    painter->save();
    painter->setFont(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    int x = opt.rect.left();
    for (int c = 0; c < ListColumns::kLineColumn; ++c) {
        const int width = m_header->sectionSize(c);
        const QRect cell(x + kPadding, opt.rect.top(), width - 2 * kPadding, opt.rect.height());
        // Numbers line up on the right, the date on the left.
        painter->drawText(cell, (c < 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                          index.data(kRoles[c]).toString());
        x += width;
    }
    painter->drawText(
        QRect(x + kPadding, opt.rect.top(), std::max(0, opt.rect.right() - x - kPadding), opt.rect.height()),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextSingleLine, line);
    painter->restore();
}

QSize RollCallListColumns::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // A width held down by the list's scroll extent is kept as it was set.
    const QVariant held = index.data(Qt::SizeHintRole);
    if (held.isValid())
        return held.toSize();
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    const int line =
        metrics.boundingRect(QRect(), Qt::TextExpandTabs | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString())
            .width();
    size.setWidth(prefixWidth() + 2 * kPadding + line);
    return size;
}

} // namespace rollscan
