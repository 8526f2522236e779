// The list commands of the grid's pop-up menu, chosen as a user does: a right
// click on the grid opens the menu and a click picks the item.

#include "test_main_fixture.h"

#include "common/ListAlgorithms.h"
#include "document/Unit16.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class ListCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteSettings(TestSettings());
        ShowWindow();
        document = window->NewDocument();
        SetElementList(*document, ListOf({MakeElement(100, 10, 1), MakeElement(200, 20, 2), MakeElement(300, 30, 3),
                                          MakeElement(400, 40, 4), MakeElement(500, 50, 5)}));
    }
    // Right-clicks the grid and picks the items of `path` in the menu that opens.
    void Choose(const QStringList &path) { ChooseFromGridMenu(*document, path); }
    void Choose(const QString &item) { Choose(QStringList{item}); }
    std::vector<int> Counts() const
    {
        std::vector<int> counts;
        for (int i = 0; i < ElementCount(document->Elements); ++i)
            counts.push_back(document->Elements[std::size_t(i)].Count);
        return counts;
    }

    TForm16 *document = nullptr;
};

TEST_F(ListCommands, DeleteTakesTheSelectedElementsAndPutsTheCursorOnRowOne)
{
    document->SetCurrentRow(3);
    QTest::keyClick(document->SG1, Qt::Key_Down, Qt::ShiftModifier); // rows 3..4: elements 2..3
    Choose(QStringLiteral("Obrisi element(e)"));
    EXPECT_EQ(Counts(), std::vector<int>({1, 4, 5}));
    EXPECT_EQ(document->SG1->currentIndex().row(), 1);
}

struct MultiplyCase {
    const char *name;
    std::vector<const char *> typed; // one answer per box shown; null: cancelled
    int selectedTop;                 // 0: the whole list
    std::vector<int> counts;
    bool tooMany;                    // the product box is shown
};

class Multiply : public ListCommands, public ::testing::WithParamInterface<MultiplyCase> {};

TEST_P(Multiply, AsksUntilPlainDigitsAndMultipliesTheCounts)
{
    const MultiplyCase &c = GetParam();
    if (c.tooMany)
        SetElementList(*document, ListOf({MakeElement(100, 10, 40000), MakeElement(200, 20, 2)}));
    for (const char *text : c.typed) {
        if (text == nullptr)
            desktop.CancelInput();
        else
            desktop.AnswerInput(QString::fromLatin1(text));
    }
    if (c.tooMany)
        desktop.AnswerBox(Platform::Answer::Ok);
    if (c.selectedTop > 0) {
        document->SetCurrentRow(c.selectedTop);
        QTest::keyClick(document->SG1, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(document->SG1, Qt::Key_Down, Qt::ShiftModifier);
        Choose(QStringLiteral("Pomnozi selektovane elemente sa..."));
    } else {
        Choose(QStringLiteral("Pomnozi spisak elemenata sa..."));
    }
    ASSERT_EQ(desktop.Inputs().size(), c.typed.size());
    EXPECT_EQ(desktop.Inputs()[0].title, QStringLiteral("Unesite faktor mnozenja"));
    EXPECT_EQ(desktop.Inputs()[0].text, QStringLiteral("1"));
    if (c.typed.size() > 1) {
        EXPECT_EQ(desktop.Inputs()[1].text, QString::fromLatin1(c.typed[0]).remove(QLatin1Char('x')));
    }
    EXPECT_EQ(Counts(), c.counts);
    if (c.tooMany) {
        EXPECT_EQ(desktop.Boxes().at(0).text, QStringLiteral("Broj komada ne moze biti veci od 65535!"));
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, Multiply, ::testing::Values(
    MultiplyCase{"TwelveAfterALetter", {"12x", "12"}, 0, {12, 24, 36, 48, 60}, false},
    MultiplyCase{"ZeroThenEmptied", {"0", ""}, 0, {1, 2, 3, 4, 5}, false},
    MultiplyCase{"CancelledAtOnce", {nullptr}, 0, {1, 2, 3, 4, 5}, false},
    MultiplyCase{"BeyondSixteenBits", {"65536", "2"}, 0, {2, 4, 6, 8, 10}, false},
    MultiplyCase{"CancelledAfterAFactorBeyondSixteenBits", {"65536", nullptr}, 0, {1, 2, 3, 4, 5}, false},
    MultiplyCase{"SelectedRowsTwoToFour", {"3"}, 2, {3, 6, 9, 4, 5}, false},
    MultiplyCase{"AProductAbove65535", {"2"}, 0, {40000, 2}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListCommands, SortMergeAndPriorityThroughTheMenu)
{
    SetElementList(*document, ListOf({MakeElement(300, 30, 1), MakeElement(900, 20, 2), MakeElement(300, 30, 4)}));
    const TElementList before = document->Elements;
    Choose(QStringLiteral("Postavi prioritet"));
    EXPECT_EQ(std::memcmp(&before, &document->Elements, sizeof before), 0);
    Choose(QStringLiteral("Spajanje istih elemenata"));
    EXPECT_EQ(Counts(), std::vector<int>({5, 2}));
    Choose(QStringLiteral("Sortiranje spiska po duzini"));
    EXPECT_EQ(+document->Elements[0].Length, 900);
}

TEST_F(ListCommands, GrainOnAllOffAllAndCounterGrainTwiceRestores)
{
    Choose({QStringLiteral("TEXTURA"), QStringLiteral("Postavi na sve elemente")});
    EXPECT_EQ(+document->Elements[4].Grain, 1);
    TElementList banded = document->Elements;
    banded[0].LengthBanding = 2;
    banded[1].Grain = 0;
    SetElementList(*document, banded);
    Choose({QStringLiteral("TEXTURA"), QStringLiteral("Kontra-textura na svim elementima")});
    EXPECT_EQ(+document->Elements[0].Length, 10);
    EXPECT_EQ(+document->Elements[0].Width, 100);
    EXPECT_EQ(+document->Elements[0].WidthBanding, 2);
    EXPECT_EQ(+document->Elements[0].LengthBanding, 0);
    EXPECT_EQ(+document->Elements[1].Length, 200) << "without the grain an element stays";
    EXPECT_GE(desktop.ProcessEventsCalls(), 1) << "pending events run every third element";
    Choose({QStringLiteral("TEXTURA"), QStringLiteral("Kontra-textura na svim elementima")});
    EXPECT_EQ(std::memcmp(&banded, &document->Elements, sizeof banded), 0);
    Choose({QStringLiteral("TEXTURA"), QStringLiteral("Ukloni sa svih elemenata")});
    EXPECT_EQ(+document->Elements[0].Grain, 0);
}

TEST_F(ListCommands, PrintingWithoutAPrinterWritesThePdfAndSaysWhere)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed here";
    Choose(QStringLiteral("Stampanje spiska elemenata"));
    const QString pdf = QString::fromStdString(Path("DATA/Untitled 1.pdf"));
    EXPECT_EQ(desktop.OpenedWithDesktop(), QStringList({pdf}));
    EXPECT_TRUE(Notice().endsWith(pdf));
    EXPECT_EQ(ReadAll(pdf.toStdString()).substr(0, 4), "%PDF");
    Choose(QStringLiteral("Sortiranje spiska po duzini"));
    EXPECT_TRUE(Notice().isEmpty()) << "the next command lets it go";
}

TEST_F(ListCommands, LabelsGoIntoAPdfWhenTheDialogChoosesIt)
{
    desktop.AnswerLabelOptions(std::nullopt);
    Choose(QStringLiteral("Stampanje nalepnica..."));
    EXPECT_TRUE(desktop.OpenedWithDesktop().isEmpty()) << "a cancelled dialog prints nothing";

    desktop.AnswerLabelOptions(LabelJobOptions{LabelLayout::A4By2x7, 3, true});
    Choose(QStringLiteral("Stampanje nalepnica..."));
    const QString pdf = QString::fromStdString(Path("DATA/Untitled 1-nalepnice.pdf"));
    EXPECT_EQ(desktop.OpenedWithDesktop(), QStringList({pdf}));
    EXPECT_TRUE(Notice().endsWith(pdf));
    EXPECT_EQ(ReadAll(pdf.toStdString()).substr(0, 4), "%PDF");
}

} // namespace
