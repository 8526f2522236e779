#pragma once
// Paints every body cell of a string grid the way the workshop knows it: the
// cell filled and framed in black, the selected row range in the selected-text
// colours of the settings, row 1 a blank spacer, texts centred except in one
// column that starts 2 pixels from the left. The heading row is GridHeader's.

#include <QStyledItemDelegate>

class TSettings;
class QAbstractItemView;

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridCellDelegate(const TSettings &settings, int leftAlignedColumn, QAbstractItemView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const TSettings &m_settings;
    int m_leftAlignedColumn;
    QAbstractItemView *m_view;
};

// Where a text of the given size starts when centred in rect, halves truncated.
QPoint CentredTextOrigin(const QRect &rect, int textWidth, int textHeight);
