#pragma once
// The element grid's rows read straight from the element list: row 0 the
// headings, row 1 blank, row r >= 2 element r - 1. Nothing is copied; Reset()
// tells the view that the list changed.

#include "common/Element.h"
#include "common/ElementSummary.h"
#include "common/Settings.h"

#include <QAbstractTableModel>

#include <string>

constexpr int kFirstElementRow = 2;

// The eight headings, "RB." to "KOM".
QString ElementHeading(int column);
// The text of one cell of element number (1-based) in column 0..7, UTF-8.
std::string ElementCellText(const DisplayOptions &options, const TElement &e, int number, int column);

class ElementTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ElementTableModel(const TElementList &elements, const TSettings &settings, QObject *parent);

    // Rereads the element count and the unit and banding marks.
    void Reset();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const TElementList &m_elements;
    const TSettings &m_settings;
    int m_count = 0;
    DisplayOptions m_display;
};
