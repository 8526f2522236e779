#pragma once
// The heading row of a string grid: bold headings centred on the button-face
// colour, as high as a body row. It stays in place while the rows scroll and
// its section edges let the user size the columns.

#include <QHeaderView>

// The default row height of the form's string grids, the heading row's too.
constexpr int kGridRowHeight = 15;

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    GridHeader(int rowHeight, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int m_rowHeight;
};
