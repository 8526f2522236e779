// The statistics page: computed when the page is entered.

#include "test_document_host.h"

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
        QTest::mouseClick(form->Pages1->tabBar(), Qt::LeftButton, {}, form->Pages1->tabBar()->tabRect(index).center());
    }
    // Every row, its cells joined by "|".
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

TEST_F(StatisticsPage, FiguresOfElementsAndGroupsAreTakenOnlyWhenThePageIsEntered)
{
    ClickTab(2);
    const QStringList empty = Rows();
    EXPECT_EQ(empty, (QStringList{QStringLiteral("RB.|NAZIV|VREDNOST"), QStringLiteral("||"),
                                  QStringLiteral("1|Ukupan broj elemenata:|0 [0]"),
                                  QStringLiteral("2|Ukupna povrsina elemenata:|0.00m\u00B2"),
                                  QStringLiteral("3|Minimalan broj tabli:|1"),
                                  QStringLiteral("4|Dimenzije osnovne table:|2800mm x 2070mm"),
                                  QStringLiteral("5|Duzina kant trake:|0.00 m"),
                                  QStringLiteral("6|Duzina ABS trake:|0.00 m")}));
    EXPECT_TRUE(form->SG2->isRowHidden(0)) << "the fixed header shows the headings";

    TElement banded = MakeElement(1000, 500, 4);
    banded.LengthBanding = BandingPvcTwo;
    banded.WidthBanding = BandingAbsOne;
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(2000, 1000);
    groups[1].Pieces[0] = groups[1].Pieces[1] = MakeElement(1000, 500);
    SetLists(*form, ListOf({banded, MakeElement(2000, 1000, 2)}), groups);
    ClickTab(0);
    ClickTab(1);
    EXPECT_EQ(Rows(), empty) << "other pages compute nothing";
    ClickTab(2);
    const QStringList shown = Rows();
    EXPECT_EQ(shown.mid(2, 3), (QStringList{QStringLiteral("1|Ukupan broj elemenata:|9 [4]"),
                                            QStringLiteral("2|Ukupna povrsina elemenata:|9.00m\u00B2"),
                                            QStringLiteral("3|Minimalan broj tabli:|3")}));
    EXPECT_EQ(shown.at(6), QStringLiteral("5|Duzina kant trake:|8.98 m"));
    EXPECT_EQ(shown.at(7), QStringLiteral("6|Duzina ABS trake:|2.29 m")) << "each tape its own figure";
}

} // namespace
