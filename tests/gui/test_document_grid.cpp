// The element grid: rows, texts, drawing, the banding digits and deleting.

#include "test_document_host.h"

#include "common/Conversions.h"
#include "platform/Colours.h"

#include <QHeaderView>
#include <QComboBox>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class DocumentGrid : public ::testing::Test {
protected:
    TestDocumentHost host;
    TForm16 *form = host.NewDocument();
};

TEST_F(DocumentGrid, TheCurrentRowShowsAFocusFrameOnlyWhileTheGridHasTheFocus)
{
    SetElements(*form, {MakeElement(600, 400), MakeElement(500, 300), MakeElement(400, 200)});
    form->SetCurrentRow(3);
    host.area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.area));
    form->Edit1->setFocus();
    const QImage unfocused = form->SG1->viewport()->grab().toImage();
    form->SG1->setFocus();
    ASSERT_TRUE(form->SG1->hasFocus());
    const QRect frame = DifferingPixels(unfocused, form->SG1->viewport()->grab().toImage());
    const QAbstractItemModel *model = form->SG1->model();
    const QRect row = form->SG1->visualRect(model->index(3, 0)).united(form->SG1->visualRect(model->index(3, 7)));
    EXPECT_FALSE(frame.isEmpty());
    EXPECT_TRUE(row.contains(frame)) << "the frame stays on the current row";
}

TEST_F(DocumentGrid, TheWidestTextsFitTheColumnsTheFormMadeForThem)
{
    const QFontMetrics metrics(form->SG1->font());
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("240.0 *A")), form->SG1->columnWidth(1) - 2);
    EXPECT_LT(metrics.horizontalAdvance(QString::fromUtf8("12.34 m\u00B2")), form->SG1->columnWidth(4) - 2);
}

TEST_F(DocumentGrid, EmptyListShowsHeadingsAndOneBlankRow)
{
    EXPECT_EQ(form->SG1->model()->rowCount(), 2);
    EXPECT_EQ(form->SG1->model()->columnCount(), 8);
    EXPECT_EQ(CellText(*form, 0, 0), QStringLiteral("RB."));
    EXPECT_EQ(CellText(*form, 0, 7), QStringLiteral("KOM"));
    for (int c = 0; c < 8; ++c)
        EXPECT_TRUE(CellText(*form, 1, c).isEmpty());
    EXPECT_EQ(form->CurrentElement(), 0);
}

TEST_F(DocumentGrid, ThreeElementsMakeFiveRowsWithElementOneInRowTwo)
{
    SetElements(*form, {MakeElement(600, 400, 2), MakeElement(700, 300), MakeElement(800, 200)});
    EXPECT_EQ(form->SG1->model()->rowCount(), 5);
    EXPECT_TRUE(CellText(*form, 1, 0).isEmpty());
    EXPECT_EQ(CellText(*form, 2, 0), QStringLiteral("1"));
    EXPECT_EQ(CellText(*form, 2, 1), QStringLiteral("600"));
    EXPECT_EQ(CellText(*form, 2, 4), QString::fromUtf8("0.24 m\u00B2"));
    EXPECT_EQ(CellText(*form, 2, 7), QStringLiteral("2"));
    EXPECT_EQ(CellText(*form, 4, 0), QStringLiteral("3"));
    EXPECT_EQ(CellText(*form, 4, 1), QStringLiteral("800"));
}

TEST_F(DocumentGrid, HeadingsStayInTheFixedHeaderWhileRowZeroKeepsTheArithmetic)
{
    EXPECT_TRUE(form->SG1->isRowHidden(0));
    EXPECT_TRUE(form->SG1->horizontalHeader()->isVisible());
    EXPECT_FALSE(form->SG1->verticalHeader()->isVisible());
    EXPECT_EQ(form->SG1->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("OZNAKA"));
    SetElements(*form, {MakeElement(600, 400)});
    EXPECT_TRUE(form->SG1->isRowHidden(0)) << "a refill must not bring the heading row back";
    EXPECT_EQ(form->SG1->model()->flags(form->SG1->model()->index(0, 0)), Qt::NoItemFlags);
}

TEST_F(DocumentGrid, ColumnWidthsAndRowHeightOfTheForm)
{
    const int widths[] = {32, 48, 51, 97, 48, 18, 18, 41};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(form->SG1->columnWidth(c), widths[c]) << "column " << c;
    EXPECT_EQ(form->SG1->verticalHeader()->defaultSectionSize(), 15);
    EXPECT_EQ(form->SG1->horizontalHeader()->height(), 15);
    EXPECT_EQ(form->SG1->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(form->SG1->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

TEST_F(DocumentGrid, UnitSwitchShowsCentimetresAndMetres)
{
    SetElements(*form, {MakeElement(605, 400)});
    host.state.Settings.SetUnit(UnitCm);
    form->ShowElements();
    EXPECT_EQ(CellText(*form, 2, 1), QStringLiteral("60.5"));
    host.state.Settings.SetUnit(UnitM);
    form->ShowElements();
    EXPECT_EQ(CellText(*form, 2, 1), QStringLiteral("0.6"));
}

TEST_F(DocumentGrid, RefillKeepsTheCurrentRowAndSelection)
{
    SetElements(*form, {MakeElement(1, 1), MakeElement(2, 2), MakeElement(3, 3), MakeElement(4, 4)});
    SelectRows(*form, 3, 4);
    form->ShowElements();
    EXPECT_EQ(form->CurrentElement(), 3);
    EXPECT_EQ(form->SelectedElementRange(), std::make_pair(2, 3));
    // A shorter list pulls the cursor up to its last row.
    SetElements(*form, {MakeElement(1, 1)});
    EXPECT_EQ(form->CurrentElement(), 1);
}

TEST_F(DocumentGrid, ContextMenuIsTheMainWindowsListMenu)
{
    host.menu.addAction(QStringLiteral("Obrisi element(e)"));
    QSignalSpy shown(&host.menu, &QMenu::aboutToShow);
    QTimer::singleShot(0, &host.menu, &QMenu::close);
    emit form->SG1->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(DocumentGrid, MaterialListDropsDownAsManyRowsAsTheGridIsHigh)
{
    form->resize(form->width(), 500);
    QCoreApplication::processEvents();
    const int expected = (form->SG1->height() + form->ComboBox1->height() - 20) / 16;
    EXPECT_GT(expected, 15);
    EXPECT_EQ(form->ComboBox1->maxVisibleItems(), expected);
}

class BandingDigits : public DocumentGrid {
protected:
    void SetUp() override
    {
        host.state.Settings.SetBandingInUse(true);
        SetElements(*form, {MakeElement(600, 400), MakeElement(700, 300)});
        SelectRows(*form, 3, 3); // element 2
        form->SG1->setFocus();
    }
    const TElement &Second() const { return form->Elements[1]; }
};

TEST_F(BandingDigits, DigitSetsTheLengthCodeAndShowsTheMark)
{
    QTest::keyClick(form->SG1, Qt::Key_3);
    EXPECT_EQ(+Second().LengthBanding, 2);
    EXPECT_EQ(+Second().WidthBanding, 0);
    EXPECT_EQ(+form->Elements[0].LengthBanding, 0);
    EXPECT_EQ(CellText(*form, 3, 1), QStringLiteral("700''")); // the mark of code 2
    EXPECT_EQ(form->CurrentElement(), 2) << "setting a code keeps the cursor";
}

TEST_F(BandingDigits, ShiftThreeSetsOnlyTheWidthCode)
{
    TElementList banded = form->Elements;
    banded[1].LengthBanding = 4;
    SetElementList(*form, banded);
    QTest::keyClick(form->SG1, Qt::Key_3, Qt::ShiftModifier);
    EXPECT_EQ(+Second().WidthBanding, 2);
    EXPECT_EQ(+Second().LengthBanding, 4);
}

TEST_F(BandingDigits, ShiftedSymbolFromARealKeyboardCountsByItsKeyPosition)
{
    // Shift+3 on a US keyboard arrives as "#", key code 12 of the digit row.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_NumberSign, Qt::ShiftModifier, 12, 0, 0, QStringLiteral("#"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_NumberSign, Qt::ShiftModifier, 12, 0, 0, QStringLiteral("#"));
    QCoreApplication::sendEvent(form->SG1, &press);
    QCoreApplication::sendEvent(form->SG1, &release);
    EXPECT_EQ(+Second().WidthBanding, 2);
    EXPECT_EQ(form->CurrentElement(), 2) << "the typed symbol must not move the cursor";
}

TEST_F(BandingDigits, ShiftCountsAsItWasWhenTheDigitWentDown)
{
    QTest::keyPress(form->SG1, Qt::Key_3, Qt::ShiftModifier);
    QTest::keyRelease(form->SG1, Qt::Key_Shift);
    QTest::keyRelease(form->SG1, Qt::Key_3); // Shift let go a moment before the digit
    EXPECT_EQ(+Second().WidthBanding, 2);
    EXPECT_EQ(+Second().LengthBanding, 0);
    QTest::keyRelease(form->SG1, Qt::Key_5); // its press went elsewhere
    EXPECT_EQ(+Second().LengthBanding, 0);
}

TEST_F(BandingDigits, OneClearsAndSixIsPvcPlusAbs)
{
    QTest::keyClick(form->SG1, Qt::Key_6);
    EXPECT_EQ(+Second().LengthBanding, 5);
    QTest::keyClick(form->SG1, Qt::Key_1);
    EXPECT_EQ(+Second().LengthBanding, 0);
}

TEST_F(BandingDigits, NothingWithoutBandingOrOffTheElementRows)
{
    host.state.Settings.SetBandingInUse(false);
    QTest::keyClick(form->SG1, Qt::Key_3);
    EXPECT_EQ(+Second().LengthBanding, 0);

    host.state.Settings.SetBandingInUse(true);
    SelectRows(*form, 1, 1);
    QTest::keyClick(form->SG1, Qt::Key_3);
    QTest::keyClick(form->SG1, Qt::Key_7);
    QTest::keyClick(form->SG1, Qt::Key_3, Qt::KeypadModifier);
    for (const TElement &e : {form->Elements[0], form->Elements[1]}) {
        EXPECT_EQ(+e.LengthBanding, 0);
        EXPECT_EQ(+e.WidthBanding, 0);
    }
}

class DeleteElements : public DocumentGrid {
protected:
    void SetUp() override
    {
        SetElements(*form, {MakeElement(100, 1), MakeElement(200, 1), MakeElement(300, 1), MakeElement(400, 1),
                            MakeElement(500, 1)});
    }
};

TEST_F(DeleteElements, DeleteKeyRemovesTheSelectedRangeThroughTheMainWindow)
{
    SelectRows(*form, 3, 4); // elements 2..3
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_Delete);
    EXPECT_EQ(host.deleteCalls, 1);
    ASSERT_EQ(ElementCount(form->Elements), 3);
    EXPECT_EQ(+form->Elements[0].Length, 100);
    EXPECT_EQ(+form->Elements[1].Length, 400);
    EXPECT_EQ(+form->Elements[2].Length, 500);
    for (std::size_t slot = 3; slot < form->Elements.size(); ++slot)
        ASSERT_FALSE(form->Elements[slot].InUse()) << "slot " << slot;
    EXPECT_EQ(form->SG1->model()->rowCount(), 5);
    EXPECT_EQ(form->SG1->currentIndex().row(), 1);
}

TEST_F(DeleteElements, RangeStartingAtTheBlankRowDeletesFromElementOne)
{
    SelectRows(*form, 1, 3);
    host.DeleteSelected();
    ASSERT_EQ(ElementCount(form->Elements), 3);
    EXPECT_EQ(+form->Elements[0].Length, 300);
}

TEST_F(DeleteElements, SelectAllDeletesEveryElementAndNothingBeyond)
{
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->SelectedElementRange(), std::make_pair(0, 5));
    host.DeleteSelected();
    EXPECT_EQ(ElementCount(form->Elements), 0);
}

TEST_F(DeleteElements, BlankRowAloneDeletesNothing)
{
    SelectRows(*form, 1, 1);
    host.DeleteSelected();
    EXPECT_EQ(ElementCount(form->Elements), 5);
}

TEST_F(DeleteElements, DeleteKeyWorksWhateverTheRowAndAnEmptyListIsLeftAlone)
{
    SetElements(*form, {});
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_Delete);
    EXPECT_EQ(host.deleteCalls, 1);
    EXPECT_EQ(ElementCount(form->Elements), 0);
}

class GridDrawing : public DocumentGrid {
protected:
    QImage Render()
    {
        QImage image(form->SG1->viewport()->size(), QImage::Format_RGB32);
        form->SG1->viewport()->render(&image);
        return image;
    }
    QColor CentreOfRow(const QImage &image, int row, int column)
    {
        const QRect cell = form->SG1->visualRect(form->SG1->model()->index(row, column));
        // A pixel inside the frame and away from the text.
        return image.pixelColor(cell.left() + 2, cell.top() + 2);
    }
};

TEST_F(GridDrawing, SelectedRangeTakesTheSelectedColoursOthersTheControlColour)
{
    SetElements(*form, {MakeElement(600, 400), MakeElement(700, 300), MakeElement(800, 200)});
    SelectRows(*form, 2, 3);
    const QImage image = Render();
    EXPECT_EQ(CentreOfRow(image, 2, 0), ColourFromWindows(kSelectedBackColour));
    EXPECT_EQ(CentreOfRow(image, 3, 5), ColourFromWindows(kSelectedBackColour));
    EXPECT_EQ(CentreOfRow(image, 4, 0), ColourFromWindows(kControlColour));
    EXPECT_EQ(CentreOfRow(image, 1, 0), ColourFromWindows(kControlColour));
    // Every cell is framed in black.
    const QRect cell = form->SG1->visualRect(form->SG1->model()->index(4, 1));
    EXPECT_EQ(image.pixelColor(cell.topLeft()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.left() + cell.width() / 2, cell.bottom()), QColor(Qt::black));
}

TEST_F(GridDrawing, RangeExtendedFromTheKeyboardIsDrawnWhole)
{
    SetElements(*form, {MakeElement(600, 400), MakeElement(700, 300), MakeElement(800, 200), MakeElement(900, 100)});
    SelectRows(*form, 2, 2);
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(form->SG1, Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(form->SelectedElementRange(), std::make_pair(1, 3));
    const QImage image = Render();
    for (int row = 2; row <= 4; ++row)
        for (int column : {0, 3, 7})
            EXPECT_EQ(CentreOfRow(image, row, column), ColourFromWindows(kSelectedBackColour))
                << "row " << row << " column " << column;
    EXPECT_EQ(CentreOfRow(image, 5, 0), ColourFromWindows(kControlColour));
}

TEST_F(GridDrawing, WithoutASelectionTheCurrentRowIsTheRange)
{
    SetElements(*form, {MakeElement(600, 400), MakeElement(700, 300)});
    QItemSelectionModel *selection = form->SG1->selectionModel();
    selection->clearSelection();
    selection->setCurrentIndex(form->SG1->model()->index(3, 2), QItemSelectionModel::NoUpdate);
    ASSERT_FALSE(selection->hasSelection());
    const QImage image = Render();
    EXPECT_EQ(CentreOfRow(image, 3, 0), ColourFromWindows(kSelectedBackColour));
    EXPECT_EQ(CentreOfRow(image, 3, 7), ColourFromWindows(kSelectedBackColour));
    EXPECT_EQ(CentreOfRow(image, 2, 0), ColourFromWindows(kControlColour));
}

TEST_F(GridDrawing, TextIsCentredExceptTheLabelColumn)
{
    form->SG1->setColumnWidth(3, 120);
    form->SG1->setColumnWidth(1, 120);
    TElement e = MakeElement(600, 400);
    e.Label.assign("X");
    SetElements(*form, {e});
    SelectRows(*form, 1, 1);
    const QImage image = Render();
    const auto inkColumns = [&](int column) {
        const QRect cell = form->SG1->visualRect(form->SG1->model()->index(2, column));
        int first = -1;
        int last = -1;
        for (int x = cell.left() + 1; x < cell.right(); ++x) {
            for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
                if (image.pixelColor(x, y) != ColourFromWindows(kControlColour)) {
                    if (first < 0)
                        first = x - cell.left();
                    last = x - cell.left();
                }
            }
        }
        return std::make_pair(first, last);
    };
    const auto label = inkColumns(3);
    ASSERT_GE(label.first, 0) << "the label is drawn";
    EXPECT_LE(label.first, 4) << "the label starts 2 pixels from the left";
    const auto length = inkColumns(1);
    ASSERT_GE(length.first, 0);
    const int middle = (length.first + length.second) / 2;
    EXPECT_NEAR(middle, 60, 3) << "the length is centred";
}

} // namespace
