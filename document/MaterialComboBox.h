#pragma once
// The material selector: a combo box whose closed face and open list are both
// drawn by the owner's routine (the document window's ComboBox1DrawItem), items
// 16 pixels high.

#include <QComboBox>
#include <QStyledItemDelegate>

#include <functional>

class MaterialComboBox : public QComboBox {
    Q_OBJECT
public:
    // Paints item index into rect; the painter's font is the combo's.
    using DrawItem = std::function<void(QPainter &painter, int index, const QRect &rect)>;

    static constexpr int ItemHeight = 16;

    MaterialComboBox(DrawItem drawItem, QWidget *parent);

    bool DroppedDown() const;
    void DrawItemAt(QPainter &painter, int index, const QRect &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DrawItem m_drawItem;
};

class MaterialItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit MaterialItemDelegate(MaterialComboBox *combo);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    MaterialComboBox *m_combo;
};
