// The document window's statistics page: the grid and its figures, computed
// afresh each time the page is entered.

#include "document/Unit16.h"

#include "common/Conversions.h"
#include "common/DatabaseStatistics.h"
#include "common/ProgramState.h"
#include "document/GridCellDelegate.h"
#include "document/GridHeader.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr std::array<int, 3> kStatisticsColumnWidths = {36, 198, 111};
constexpr int kNameColumn = 1;
// The heading row, a blank spacer, then one row per figure.
constexpr int kFirstFigureRow = 2;
constexpr int kFigureCount = 6;

const std::array<QString, 3> &Headings()
{
    static const std::array<QString, 3> headings = {
        QStringLiteral("RB."), QStringLiteral("NAZIV"), QStringLiteral("VREDNOST")};
    return headings;
}

QString TwoDecimals(double value)
{
    return QString::fromStdString(FloatToFixed(0, 2, value));
}

void SetCell(QTableWidget &grid, int row, int column, const QString &text)
{
    grid.setItem(row, column, new QTableWidgetItem(text));
}

} // namespace

void TForm16::BuildStatisticsPage()
{
    TabSheet3 = new QWidget;
    Pages1->addTab(TabSheet3, QStringLiteral("Statistika baze"));
    auto *pageLayout = new QVBoxLayout(TabSheet3);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    SG2 = new QTableWidget(0, static_cast<int>(kStatisticsColumnWidths.size()), TabSheet3);
    SG2->setHorizontalHeader(new GridHeader(kGridRowHeight, SG2));
    SG2->setHorizontalHeaderLabels(QStringList(Headings().begin(), Headings().end()));
    SG2->verticalHeader()->hide();
    SG2->verticalHeader()->setMinimumSectionSize(1);
    SG2->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    SG2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG2->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG2->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG2->setShowGrid(false);
    SG2->setWordWrap(false);
    // SG2DrawCell: the element grid's painting, with the names left-aligned.
    SG2->setItemDelegate(new GridCellDelegate(m_state.Settings, kNameColumn, SG2));
    for (int c = 0; c < SG2->columnCount(); ++c)
        SG2->setColumnWidth(c, kStatisticsColumnWidths[static_cast<std::size_t>(c)]);
    pageLayout->addWidget(SG2);
}

void TForm16::Pages1Change(int index)
{
    if (Pages1->widget(index) == TabSheet3)
        ShowStatistics();
}

void TForm16::ShowStatistics()
{
    const DatabaseStatistics s = ComputeDatabaseStatistics(Elements, Groups, m_state.Settings);
    const std::array<std::array<QString, 2>, kFigureCount> figures = {{
        {QStringLiteral("Ukupan broj elemenata:"),
         QStringLiteral("%1 [%2]").arg(s.pieces).arg(s.lines)},
        {QStringLiteral("Ukupna povrsina elemenata:"), TwoDecimals(s.area) + QStringLiteral("m\u00B2")},
        {QStringLiteral("Minimalan broj tabli:"), QString::number(s.minimalBoards)},
        {QStringLiteral("Dimenzije osnovne table:"),
         QStringLiteral("%1mm x %2mm").arg(s.boardLength).arg(s.boardWidth)},
        {QStringLiteral("Duzina kant trake:"), TwoDecimals(s.pvcTape) + QStringLiteral(" m")},
        {QStringLiteral("Duzina ABS trake:"), TwoDecimals(s.absTape) + QStringLiteral(" m")},
    }};

    SG2->setRowCount(kFirstFigureRow + kFigureCount);
    SG2->clearContents();
    for (int c = 0; c < SG2->columnCount(); ++c)
        SetCell(*SG2, 0, c, Headings()[static_cast<std::size_t>(c)]);
    // The heading row stays for the row arithmetic; the fixed header shows it.
    SG2->setRowHidden(0, true);
    for (int i = 0; i < kFigureCount; ++i) {
        const int row = kFirstFigureRow + i;
        SetCell(*SG2, row, 0, QString::number(row - 1));
        SetCell(*SG2, row, 1, figures[static_cast<std::size_t>(i)][0]);
        SetCell(*SG2, row, 2, figures[static_cast<std::size_t>(i)][1]);
    }
}
