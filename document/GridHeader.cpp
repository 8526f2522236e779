#include "document/GridHeader.h"

#include "document/GridCellDelegate.h"

#include <QPainter>

GridHeader::GridHeader(int rowHeight, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_rowHeight(rowHeight)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(4);
}

QSize GridHeader::sizeHint() const
{
    return QSize(QHeaderView::sizeHint().width(), m_rowHeight);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, palette().color(QPalette::Button));
    // The grid line between headings, where the body cells have their frames.
    painter->setPen(palette().color(QPalette::Dark));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    QFont font = this->font();
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::black);
    const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    const QFontMetrics metrics(font);
    const QPoint origin = CentredTextOrigin(rect, metrics.horizontalAdvance(text), metrics.height());
    painter->drawText(origin.x(), origin.y() + metrics.ascent(), text);
    painter->restore();
}
