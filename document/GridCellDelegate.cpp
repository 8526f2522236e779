#include "document/GridCellDelegate.h"

#include "common/Settings.h"
#include "document/ElementTableModel.h"
#include "document/GridSelection.h"
#include "platform/Colours.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {

constexpr int kLeftTextMargin = 2;

} // namespace

QPoint CentredTextOrigin(const QRect &rect, int textWidth, int textHeight)
{
    // QRect::right() is the last pixel; the grid's arithmetic uses the edge after it.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    return QPoint((rect.left() + right) / 2 - textWidth / 2, (rect.top() + bottom) / 2 - textHeight / 2);
}

GridCellDelegate::GridCellDelegate(const TSettings &settings, int leftAlignedColumn, QAbstractItemView *view)
    : QStyledItemDelegate(view), m_settings(settings), m_leftAlignedColumn(leftAlignedColumn), m_view(view)
{
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = InSelectedRowRange(*m_view, index.row(), option.state & QStyle::State_Selected);
    const QColor background = selected ? ColourFromWindows(m_settings.SelectedBackColour())
                                       : m_view->palette().color(QPalette::Base);
    const QColor text = selected ? ColourFromWindows(m_settings.SelectedTextColour()) : QColor(Qt::black);
    const QRect cell = option.rect;

    painter->save();
    painter->setClipRect(cell);
    painter->fillRect(cell, background);
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(0, 0, -1, -1));

    if (index.row() >= kFirstElementRow) {
        painter->setFont(option.font); // the grid's own font, regular
        painter->setPen(text);
        const QString value = index.data(Qt::DisplayRole).toString();
        const QFontMetrics metrics(option.font);
        QPoint origin = CentredTextOrigin(cell, metrics.horizontalAdvance(value), metrics.height());
        if (index.column() == m_leftAlignedColumn)
            origin.setX(cell.left() + kLeftTextMargin);
        painter->drawText(origin.x(), origin.y() + metrics.ascent(), value);
    }
    painter->restore();
}
