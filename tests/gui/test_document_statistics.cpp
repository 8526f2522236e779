// The statistics page: computed when the page is entered, drawn like the element grid.

#include "test_document_host.h"

#include "platform/Colours.h"

#include <QHeaderView>
#include <QImage>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StatisticsPage : public ::testing::Test {
protected:
    StatisticsPage()
    {
        TSettings &s = host.state.Settings;
        s.SetBoardLength(2800);
        s.SetBoardWidth(2070);
        s.SetUsableBoardLength(2000);
        s.SetUsableBoardWidth(1000);
        s.SetTapeSurplus(110);
        s.SetTapeAllowance(20);
    }
    void ClickTab(int index)
    {
        QTabBar *tabs = form->Pages1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    void ClickStatisticsTab() { ClickTab(2); }
    // Rows 0..7, columns joined by "|".
    QStringList Rows() const
    {
        QStringList rows;
        for (int r = 0; r < form->SG2->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < form->SG2->columnCount(); ++c)
                cells << (form->SG2->item(r, c) ? form->SG2->item(r, c)->text() : QString());
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    TestDocumentHost host;
    TForm16 *form = host.NewDocument();
};

TEST_F(StatisticsPage, EmptyDatabaseShowsZerosAndOneBoard)
{
    ClickStatisticsTab();
    ASSERT_EQ(form->Pages1->currentWidget(), form->TabSheet3);
    EXPECT_EQ(Rows(), (QStringList{
        QStringLiteral("RB.|NAZIV|VREDNOST"),
        QStringLiteral("||"),
        QStringLiteral("1|Ukupan broj elemenata:|0 [0]"),
        QStringLiteral("2|Ukupna povrsina elemenata:|0.00m\u00B2"),
        QStringLiteral("3|Minimalan broj tabli:|1"),
        QStringLiteral("4|Dimenzije osnovne table:|2800mm x 2070mm"),
        QStringLiteral("5|Duzina kant trake:|0.00 m"),
        QStringLiteral("6|Duzina ABS trake:|0.00 m")}));
    EXPECT_TRUE(form->SG2->isRowHidden(0)) << "the fixed header shows the headings";
    EXPECT_EQ(form->SG2->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("VREDNOST"));
}

TEST_F(StatisticsPage, GroupPiecesCountAndTheFiguresAreASnapshotOfTheMomentThePageIsEntered)
{
    TElement banded = MakeElement(1000, 500, 4);
    banded.LengthBanding = BandingPvcTwo;
    SetElements(*form, {banded, MakeElement(2000, 1000, 2)});
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(2000, 1000);
    groups[1].Pieces[0] = MakeElement(1000, 500);
    groups[1].Pieces[1] = MakeElement(1000, 500);
    form->ReplaceLists(form->Elements, groups);

    ClickStatisticsTab();
    const QStringList shown = Rows();
    EXPECT_EQ(shown.at(2), QStringLiteral("1|Ukupan broj elemenata:|9 [4]"));
    EXPECT_EQ(shown.at(3), QStringLiteral("2|Ukupna povrsina elemenata:|9.00m\u00B2"));
    EXPECT_EQ(shown.at(4), QStringLiteral("3|Minimalan broj tabli:|3")) << "6 m2 of elements on 2 m2 boards";
    EXPECT_EQ(shown.at(6), QStringLiteral("5|Duzina kant trake:|8.98 m"));

    SetElements(*form, {});
    EXPECT_EQ(Rows(), shown) << "not updated while the page stays";
    ClickTab(0);
    ClickTab(1);
    ASSERT_EQ(form->Pages1->currentIndex(), 1);
    EXPECT_EQ(Rows(), shown) << "other pages leave the figures alone";
    ClickStatisticsTab();
    EXPECT_EQ(Rows().at(2), QStringLiteral("1|Ukupan broj elemenata:|3 [2]"));
}

TEST_F(StatisticsPage, NamesStartAtTheLeftValuesAreCentred)
{
    ClickStatisticsTab();
    const QImage image = form->SG2->viewport()->grab().toImage();
    const auto inkSpan = [&](int column) {
        const QRect cell = form->SG2->visualRect(form->SG2->model()->index(4, column));
        int first = -1;
        int last = -1;
        for (int x = cell.left() + 1; x < cell.right(); ++x)
            for (int y = cell.top() + 1; y < cell.bottom(); ++y)
                if (image.pixelColor(x, y) != ColourFromWindows(kControlColour)) {
                    last = x - cell.left();
                    first = first < 0 ? last : first;
                }
        return std::make_pair(first, last);
    };
    const auto name = inkSpan(1);
    ASSERT_GE(name.first, 0) << "the name is drawn";
    EXPECT_LE(name.first, 4);
    const auto value = inkSpan(2);
    ASSERT_GE(value.first, 0);
    EXPECT_NEAR((value.first + value.second) / 2, 111 / 2, 3);
    const QRect cell = form->SG2->visualRect(form->SG2->model()->index(4, 0));
    EXPECT_EQ(image.pixelColor(cell.topLeft()), QColor(Qt::black)) << "cells are framed";
}

} // namespace
