// The material selector and the unit-of-measure label.

#include "test_document_host.h"

#include "common/Conversions.h"
#include "document/UnitLabel.h"
#include "platform/Colours.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TBoardType Board(const char *name, const char *shortText, std::int32_t length, std::int32_t width, bool grain)
{
    TBoardType board{};
    board.Name.assign(name);
    board.ShortText.assign(shortText);
    board.Length = length;
    board.Width = width;
    board.Grain = grain ? 1 : 0;
    board.PricePerM2 = 12.5;
    board.Quantity = 12;
    return board;
}

class Materials : public ::testing::Test {
protected:
    Materials()
    {
        host.state.BoardTypes[0] = Board("PLOCA", "18", 2800, 2070, false);
        host.state.BoardTypes[1] = Board("IVERAL BUKVA", "18B", 2750, 1830, true);
        host.state.BoardTypes[2] = Board("LESONIT", "3", 2440, 1220, false);
        host.state.Settings.SetTrim(10);
    }
    TForm16 *NewDocument() { return host.NewDocument(); }
    void Choose(TForm16 *form, int index)
    {
        form->ComboBox1->setCurrentIndex(index);
        emit form->ComboBox1->activated(index);
    }

    TestDocumentHost host;
};

TEST_F(Materials, TheOpenListFramesTheItemUnderTheKeyboardCursor)
{
    TForm16 *form = NewDocument();
    form->ComboBox1->showPopup();
    QAbstractItemView *view = form->ComboBox1->view();
    view->setCurrentIndex(view->model()->index(0, 0));
    const QImage before = view->viewport()->grab().toImage();
    QTest::keyClick(view, Qt::Key_Down);
    const QRect moved = DifferingPixels(before, view->viewport()->grab().toImage());
    form->ComboBox1->hidePopup();
    const QRect first = view->visualRect(view->model()->index(0, 0));
    const QRect second = view->visualRect(view->model()->index(1, 0));
    EXPECT_TRUE(moved.intersects(first) && moved.intersects(second)) << "the frame left item 1 for item 2";
    EXPECT_TRUE(first.united(second).contains(moved));
}

TEST_F(Materials, ItemTextsFollowTheListLayout)
{
    TForm16 *form = NewDocument();
    ASSERT_EQ(form->ComboBox1->count(), 3);
    EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("PLOCA (18) [12]"));
    host.state.Settings.SetMaterialListLayout(0);
    form->FillMaterials();
    EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("18 (PLOCA) [12]"));
    EXPECT_EQ(form->ComboBox1->itemText(1), QStringLiteral("18B (IVERAL BUKVA) [12]"));
}

TEST_F(Materials, RememberedMaterialIsSelectedWhenInRange)
{
    const struct {
        std::uint16_t remembered;
        int index;
    } cases[] = {{0, -1}, {1, -1}, {2, 0}, {4, 2}, {5, -1}};
    for (const auto &c : cases) {
        host.state.Settings.SetRememberedMaterial(c.remembered);
        TForm16 *form = NewDocument();
        EXPECT_EQ(form->ComboBox1->currentIndex(), c.index) << "remembered " << c.remembered;
        EXPECT_EQ(form->MaterialIndex, c.index + 1) << "activation applies the selection";
    }
}

TEST_F(Materials, ChoosingAMaterialWritesItIntoTheSettings)
{
    TForm16 *form = NewDocument();
    Choose(form, 0);
    const TSettings &s = host.state.Settings;
    EXPECT_EQ(form->MaterialIndex, 1);
    EXPECT_EQ(s.RememberedMaterial(), 2);
    EXPECT_EQ(s.MaterialName(), "PLOCA");
    EXPECT_EQ(s.BoardLength(), 2800);
    EXPECT_EQ(s.BoardWidth(), 2070);
    EXPECT_EQ(s.UsableBoardLength(), 2790);
    EXPECT_EQ(s.UsableBoardWidth(), 2060);
    EXPECT_DOUBLE_EQ(s.PricePerM2(), 12.5);
    EXPECT_FALSE(s.DefaultGrain());
}

TEST_F(Materials, GrainOfTheMaterialShowsOrHidesTheGrainBox)
{
    TForm16 *form = NewDocument();
    Choose(form, 1);
    EXPECT_TRUE(host.state.Settings.DefaultGrain());
    EXPECT_TRUE(form->CheckBox1->isVisible());
    EXPECT_TRUE(form->CheckBox1->isChecked());
    Choose(form, 2);
    EXPECT_FALSE(host.state.Settings.DefaultGrain());
    EXPECT_FALSE(form->CheckBox1->isVisible());
    EXPECT_FALSE(form->CheckBox1->isChecked());
}

TEST_F(Materials, ActivationShowsTheElementsPageAndAppliesThisWindowsMaterial)
{
    host.state.Settings.SetRememberedMaterial(3); // item 1
    TForm16 *first = NewDocument();
    TForm16 *second = NewDocument();
    Choose(second, 2);
    EXPECT_EQ(host.state.Settings.BoardLength(), 2440);
    first->Pages1->setCurrentIndex(2);
    host.area.setActiveSubWindow(first);
    EXPECT_EQ(first->Pages1->currentIndex(), 0);
    EXPECT_EQ(first->MaterialIndex, 2);
    EXPECT_EQ(host.state.Settings.BoardLength(), 2750);
    EXPECT_EQ(host.state.Settings.RememberedMaterial(), 3);
}

TEST_F(Materials, ComingBackFromAnotherApplicationActivatesNothing)
{
    host.state.Settings.SetRememberedMaterial(3); // with grain: "Prati teksturu" shown and ticked
    TForm16 *form = NewDocument();
    host.area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.area));
    form->CheckBox1->setChecked(false);
    form->Pages1->setCurrentIndex(1);
    // What the program receives when the desktop gives another program the focus, and back.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    for (const QEvent::Type type : {QEvent::ApplicationDeactivate, QEvent::ApplicationActivate}) {
        QEvent event(type);
        QCoreApplication::sendEvent(qApp, &event);
    }
    host.area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.area));
    EXPECT_EQ(form->Pages1->currentIndex(), 1);
    EXPECT_FALSE(form->CheckBox1->isChecked());
}

TEST_F(Materials, NoSelectionLeavesTheSettingsAlone)
{
    host.state.Settings.SetBoardLength(1234);
    TForm16 *form = NewDocument();
    form->FormActivate();
    EXPECT_EQ(form->MaterialIndex, 0);
    EXPECT_EQ(host.state.Settings.BoardLength(), 1234);
    EXPECT_TRUE(form->CheckBox1->isVisible()) << "the grain box keeps its initial state";
}

TEST_F(Materials, UsedUpBoardIsDrawnPinkWithGreyTextAndTheCurrentOneInSelectedColours)
{
    host.state.BoardTypes[0].Quantity = 5;
    host.state.BoardTypes[0].QuantityUsed = 5;
    host.state.BoardTypes[2].Quantity = 5;
    host.state.BoardTypes[2].QuantityUsed = 0;
    TForm16 *form = NewDocument();
    Choose(form, 1);
    QAbstractItemView *view = form->ComboBox1->view();
    view->resize(300, 3 * 16);
    const auto render = [&](int row) {
        const QRect rect = view->visualRect(form->ComboBox1->model()->index(row, 0));
        QImage image(rect.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(QPoint(0, 0), rect.size());
        form->ComboBox1->itemDelegate()->paint(&painter, option, form->ComboBox1->model()->index(row, 0));
        return image;
    };
    const auto colours = [](const QImage &image) {
        std::vector<QColor> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::find(seen.begin(), seen.end(), image.pixelColor(x, y)) == seen.end())
                    seen.push_back(image.pixelColor(x, y));
        return seen;
    };
    const QImage usedUp = render(0);
    EXPECT_EQ(usedUp.pixelColor(1, 1), QColor(252, 220, 215));
    const auto usedUpColours = colours(usedUp);
    EXPECT_NE(std::find(usedUpColours.begin(), usedUpColours.end(), QColor(105, 105, 105)), usedUpColours.end());

    const QImage plain = render(2);
    EXPECT_EQ(plain.pixelColor(1, 1), ColourFromWindows(kControlColour));
    const auto plainColours = colours(plain);
    EXPECT_NE(std::find(plainColours.begin(), plainColours.end(), QColor(Qt::black)), plainColours.end());
    EXPECT_EQ(plain.pixelColor(4, 8), ColourFromWindows(kControlColour)) << "text starts 5 pixels in";

    // The closed box shows the current material in the selected colours.
    QImage face(form->ComboBox1->size(), QImage::Format_RGB32);
    form->ComboBox1->render(&face);
    const auto faceColours = colours(face);
    EXPECT_NE(std::find(faceColours.begin(), faceColours.end(), ColourFromWindows(kSelectedBackColour)),
              faceColours.end());
    EXPECT_EQ(form->ComboBox1->itemDelegate()->sizeHint(QStyleOptionViewItem(), form->ComboBox1->model()->index(0, 0))
                  .height(),
              16);
}

class UnitSwitch : public ::testing::Test {
protected:
    // QTest's double click leaves its button down; the release ends it as a hand would.
    void DoubleClick(TForm16 *form, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseDClick(form->PaintBox1, button);
        QTest::mouseRelease(form->PaintBox1, button);
    }
    TestDocumentHost host;
};

TEST_F(UnitSwitch, DoubleClickSwitchesMillimetresAndCentimetresInEveryWindow)
{
    TForm16 *first = host.NewDocument();
    TForm16 *second = host.NewDocument();
    SetElements(*first, {MakeElement(605, 400)});
    SetElements(*second, {MakeElement(1205, 400)});
    const std::int32_t expected[] = {UnitCm, UnitMm, UnitCm};
    for (std::int32_t unit : expected) {
        DoubleClick(first);
        EXPECT_EQ(host.state.Settings.Unit(), unit);
        EXPECT_DOUBLE_EQ(host.state.UnitFactor, UnitFactorOf(unit));
    }
    EXPECT_EQ(host.refreshCalls, 3);
    EXPECT_EQ(CellText(*first, 2, 1), QStringLiteral("60.5"));
    EXPECT_EQ(CellText(*second, 2, 1), QStringLiteral("120.5"));
}

TEST_F(UnitSwitch, OnlyTheLeftButtonSwitches)
{
    TForm16 *form = host.NewDocument();
    DoubleClick(form, Qt::RightButton);
    DoubleClick(form, Qt::MiddleButton);
    EXPECT_EQ(host.state.Settings.Unit(), UnitMm);
    EXPECT_EQ(host.refreshCalls, 0);
}

TEST_F(UnitSwitch, FromMetresOneDoubleClickGivesMillimetres)
{
    host.state.Settings.SetUnit(UnitM);
    host.state.UnitFactor = 0.001;
    TForm16 *form = host.NewDocument();
    DoubleClick(form);
    EXPECT_EQ(host.state.Settings.Unit(), UnitMm);
    EXPECT_DOUBLE_EQ(host.state.UnitFactor, 1.0);
}

TEST_F(UnitSwitch, LabelIsRightAlignedInTheSelectedBackgroundColour)
{
    TForm16 *form = host.NewDocument();
    UnitLabel *label = form->PaintBox1;
    EXPECT_EQ(label->size(), QSize(31, 20));
    EXPECT_EQ(label->statusTip(), QStringLiteral("Jedinice mere...Dupli klik misem za promenu"));
    QImage image(label->size(), QImage::Format_RGB32);
    label->render(&image);
    const QColor ink = ColourFromWindows(kSelectedBackColour);
    int leftmost = image.width();
    int rightmost = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == ink) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    ASSERT_GE(rightmost, 0) << "the unit is drawn";
    EXPECT_GT(leftmost, 0) << "the whole unit shows, none of it cut off on the left";
    EXPECT_LE(rightmost, label->width() - 5);
    EXPECT_GE(rightmost, label->width() - 9);
    EXPECT_GT(label->FittedPointSize(), 5);
    EXPECT_LT(label->FittedPointSize(), 20);
}

TEST_F(UnitSwitch, LabelLeavesTheBevelOfTheEntryRowWhole)
{
    TForm16 *form = host.NewDocument();
    QWidget *panel = form->PaintBox1->parentWidget();
    QImage image(panel->size(), QImage::Format_RGB32);
    panel->render(&image);
    const int bottom = panel->height() - 1;
    ASSERT_EQ(form->PaintBox1->geometry().bottom(), bottom) << "the label reaches the bevel";
    const QColor bevel = image.pixelColor(20, bottom);
    for (int x = form->PaintBox1->x(); x <= form->PaintBox1->geometry().right(); ++x)
        EXPECT_EQ(image.pixelColor(x, bottom), bevel) << "x " << x;
}

TEST_F(UnitSwitch, LabelStaysAtTheRightEndOfTheEntryRow)
{
    TForm16 *form = host.NewDocument();
    form->resize(form->width() + 100, form->height());
    QCoreApplication::processEvents();
    const QWidget *panel = form->PaintBox1->parentWidget();
    EXPECT_EQ(panel->width() - form->PaintBox1->x(), 33);
    EXPECT_EQ(form->PaintBox1->y(), 10);
}

} // namespace
