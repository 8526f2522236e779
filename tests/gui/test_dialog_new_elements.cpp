// The new-elements dialog, driven from the keyboard.

#include "test_dialog_fixture.h"

#include "dialogs/Unit2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <string>
#include <utility>

namespace {

class NewElements : public DialogTest {
protected:
    void Start()
    {
        form = std::make_unique<TForm2>(state, desktop, nullptr);
        Open(*form);
    }
    int Count() const { return ElementCount(form->Elements); }
    const TElement &Last() const { return form->Elements[static_cast<std::size_t>(Count() - 1)]; }
    bool LengthFocusedAndSelected() const
    {
        return Focus() == form->Duzina && form->Duzina->selectedText() == form->Duzina->text();
    }

    std::unique_ptr<TForm2> form;
};

TEST_F(NewElements, OpensReadyForTheLengthAndEnterWalksToTheAddButton)
{
    Start();
    EXPECT_TRUE(LengthFocusedAndSelected());
    EXPECT_EQ(form->Duzina->text(), QStringLiteral("000"));
    EXPECT_EQ(form->Sirina->text(), QStringLiteral("000"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("1"));
    EXPECT_FALSE(form->Button2->isEnabled());
    EXPECT_FALSE(form->KantDuzine->isVisible());
    EXPECT_FALSE(form->Edit1->isVisible());
    EXPECT_FALSE(form->CheckBox1->isVisible());

    TypeEach({"500", "300", ""});
    EXPECT_EQ(Focus(), form->Button2);
    Key(Qt::Key_Return);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, 500);
    EXPECT_EQ(+Last().Width, 300);
    EXPECT_EQ(+Last().Count, 1);
    EXPECT_EQ(+Last().Grain, 0);
    EXPECT_TRUE(LengthFocusedAndSelected());
    ASSERT_EQ(form->ListBox1->count(), 1);
    EXPECT_EQ(form->ListBox1->item(0)->text(), QStringLiteral(" 500 x  300 [1 KOM.]"));
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
}

TEST_F(NewElements, TabWalksTheFormsOrderPastTheBandingBoxes)
{
    state.Settings.SetBandingInUse(true);
    state.Settings.SetLabelsEntered(true);
    state.Settings.SetDefaultGrain(true);
    Start();
    Type(QStringLiteral("500"));
    Key(Qt::Key_Tab);
    Type(QStringLiteral("300")); // "Dodaj elemente" is a tab stop once enabled
    // Tab lands on "Dodaj elemente" too, but the key coming up there sends the focus back to the length.
    const std::pair<Qt::KeyboardModifiers, const char *> steps[] = {
        {Qt::NoModifier, "Edit2"},    {Qt::NoModifier, "CheckBox1"},   {Qt::NoModifier, "Edit1"},
        {Qt::NoModifier, "Duzina"},   {Qt::ShiftModifier, "ListBox1"}, {Qt::ShiftModifier, "Button1"},
    };
    for (const auto &[modifiers, expected] : steps) {
        Key(modifiers == Qt::NoModifier ? Qt::Key_Tab : Qt::Key_Backtab, modifiers);
        ASSERT_NE(Focus(), nullptr);
        EXPECT_EQ(Focus()->objectName(), QString::fromLatin1(expected));
    }
}

TEST_F(NewElements, FieldsKeepOnlyWhatTheirUnitAllows)
{
    struct Case {
        std::int32_t unit;
        const char *written;
        const char *kept;
    };
    const Case cases[] = {
        {UnitMm, "12a", "12"}, {UnitMm, "1a2", "1"},    {UnitMm, "1.5", "1"},
        {UnitCm, "1.2.3", "1.2"}, {UnitCm, "12x5", "12"}, {UnitCm, "12,5", "12.5"}, {UnitM, "0,6a", "0.6"},
    };
    Start();
    for (const Case &c : cases) {
        SetUnit(c.unit);
        form->Sirina->setText(QString::fromLatin1(c.written));
        EXPECT_EQ(form->Sirina->text(), QString::fromLatin1(c.kept)) << c.written;
    }
    SetUnit(UnitMm);
    form->Duzina->clear();
    Type(QStringLiteral("6a0.5-"));
    EXPECT_EQ(form->Duzina->text(), QStringLiteral("605"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("x"));
    EXPECT_EQ(form->Sirina->text(), QString()); // the selected text was replaced, then x removed
    Key(Qt::Key_Return);
    Type(QStringLiteral("1,2"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("12"));
}

TEST_F(NewElements, TypedUnitsBecomeMillimetres)
{
    struct Case {
        std::int32_t unit;
        const char *length;
        const char *width;
        std::int32_t storedLength; // 0: nothing added
        std::int32_t storedWidth;
    };
    const Case cases[] = {
        {UnitCm, "12.5", "30", 125, 300},
        {UnitCm, "60,25", "60.35", 602, 604},
        {UnitCm, "12.35", "2.15", 124, 22}, // ties of half a millimetre go to the even one
        {UnitM, "0.605", "1.5", 605, 1500},
        {UnitM, ".0215", ".0125", 22, 12}, // five characters at most
        {UnitMm, "99999", "1", 99999, 1},
    };
    for (const Case &c : cases) {
        SetUnit(c.unit);
        Start();
        TypeEach({c.length, c.width, "", ""});
        if (c.storedLength == 0) {
            EXPECT_EQ(Count(), 0) << c.length;
            continue;
        }
        ASSERT_EQ(Count(), 1) << c.length;
        EXPECT_EQ(+Last().Length, c.storedLength) << c.length;
        EXPECT_EQ(+Last().Width, c.storedWidth) << c.width;
    }
}

TEST_F(NewElements, RefusedCountSelectsTheCountAndSwallowsTheEnterThatFollows)
{
    Start();
    for (const char *count : {"0", "65536"}) {
        form->Duzina->setFocus();
        TypeEach({"500", "300", count});
        ASSERT_EQ(Focus(), form->Button2) << count;
        Key(Qt::Key_Return);
        EXPECT_EQ(Count(), 0) << count;
        EXPECT_EQ(Focus(), form->Edit2) << count;
        EXPECT_EQ(form->Edit2->selectedText(), QString::fromLatin1(count));
        EXPECT_FALSE(form->SkipEnter) << "the release of that Enter was swallowed";
        Key(Qt::Key_Return);
        EXPECT_EQ(Focus(), form->Button2) << "the next Enter moves on";
    }
    Type(QStringLiteral("7")); // a key released on the button sends the focus back
    EXPECT_TRUE(LengthFocusedAndSelected());
}

// A size longer than any board is refused as a zero count is: that field
// selected, the Enter release swallowed there, and a beep.
TEST_F(NewElements, OversizeIsRefusedInItsFieldWithABeep)
{
    SetUnit(UnitCm);
    Start();
    for (const auto &[length, width] : {std::pair("10000", "30"), std::pair("30", "99999")}) {
        form->Duzina->setFocus();
        TypeEach({length, width, ""});
        ASSERT_EQ(Focus(), form->Button2) << length;
        const int beeps = desktop.Beeps();
        Key(Qt::Key_Return);
        EXPECT_EQ(Count(), 0) << length;
        QLineEdit *refused = std::string(length) == "10000" ? form->Duzina : form->Sirina;
        EXPECT_EQ(Focus(), refused) << length;
        EXPECT_EQ(refused->selectedText(), refused->text());
        EXPECT_EQ(desktop.Beeps(), beeps + 1);
        EXPECT_FALSE(form->SkipEnter) << "the release of that Enter was swallowed";
        Key(Qt::Key_Return);
        EXPECT_NE(Focus(), refused) << "the next Enter moves on";
    }
}

TEST_F(NewElements, EscapeEmptiesTheFieldAndNeverCloses)
{
    Start();
    TypeEach({"500", "300"});
    ASSERT_TRUE(form->Button2->isEnabled());
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->Edit2->text(), QString());
    EXPECT_FALSE(form->Button2->isEnabled());
    EXPECT_EQ(Focus(), form->Edit2);
    form->Duzina->setFocus();
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->Duzina->text(), QString());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->result(), 0);
}

TEST_F(NewElements, AbsThicknessLengthensByTheWidthEdgesAndWidensByTheLengthEdges)
{
    state.Settings.SetBandingInUse(true);
    state.Settings.SetAddAbsThickness(true);
    state.Settings.SetAbsThickness(2);
    Start();
    Type(QStringLiteral("500"));
    Key(Qt::Key_Return);
    ASSERT_EQ(Focus(), form->KantDuzine);
    for (int i = 0; i < BandingAbsTwo; ++i)
        Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    Type(QStringLiteral("300"));
    Key(Qt::Key_Return);
    ASSERT_EQ(Focus(), form->KantSirine);
    for (int i = 0; i < BandingAbsOne; ++i)
        Key(Qt::Key_Down);
    TypeEach({"", "", ""});
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, 502);
    EXPECT_EQ(+Last().Width, 304);
    EXPECT_EQ(+Last().LengthBanding, BandingAbsTwo);
    EXPECT_EQ(+Last().WidthBanding, BandingAbsOne);
}

TEST_F(NewElements, ResetsRunOnlyWhereTheirSettingIsOn)
{
    for (const bool on : {true, false}) {
        TSettings &s = state.Settings;
        s.SetBandingInUse(true);
        s.SetLabelsEntered(true);
        s.SetResetLength(on);
        s.SetResetWidth(on);
        s.SetResetCount(on);
        s.SetClearLabel(on);
        s.SetResetBanding(on);
        Start();
        Type(QStringLiteral("500"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Down);
        TypeEach({"", "300", "", "3", "Vrata"});
        ASSERT_EQ(Focus(), form->Button2);
        Key(Qt::Key_Return);
        ASSERT_EQ(Count(), 1);
        EXPECT_EQ(Last().Label.str(), "Vrata");
        EXPECT_EQ(form->Duzina->text(), on ? QStringLiteral("000") : QStringLiteral("500"));
        EXPECT_EQ(form->Sirina->text(), on ? QStringLiteral("000") : QStringLiteral("300"));
        EXPECT_EQ(form->Edit2->text(), on ? QStringLiteral("1") : QStringLiteral("3"));
        EXPECT_EQ(form->Edit1->text(), on ? QString() : QStringLiteral("Vrata"));
        EXPECT_EQ(form->KantDuzine->currentIndex(), on ? 0 : 1);
        EXPECT_TRUE(form->Button2->isEnabled());
        // Straight back to the button: "000" adds nothing, "500" adds again.
        TypeEach({"", "", "", "", "", ""});
        ASSERT_EQ(Focus(), form->Button2);
        Key(Qt::Key_Return);
        EXPECT_EQ(Count(), on ? 1 : 2);
    }
}

TEST_F(NewElements, LabelSwitchAndBandingSwitchChangeTheSettings)
{
    state.Settings.SetLabelsEntered(true);
    Start();
    TypeEach({"500", "300", ""});
    ASSERT_EQ(Focus(), form->Edit1);
    Type(QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Last().Label.str(), "ABCDEFGHIJKLMNO");

    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    EXPECT_FALSE(state.Settings.LabelsEntered());
    EXPECT_FALSE(form->Edit1->isVisible());
    EXPECT_EQ(form->Edit1->text(), QString());

    QSignalSpy switched(form.get(), &TForm2::BandingSwitched);
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(state.Settings.BandingInUse());
    EXPECT_TRUE(form->KantDuzine->isVisible());
    EXPECT_EQ(switched.count(), 1);
}

TEST_F(NewElements, PreviewDrawsTheElementOnTheBoardOrStaysClearedWithoutOne)
{
    state.Settings.SetDefaultGrain(true);
    Start();
    const auto pixel = [this](int x, int y) { return form->Image1->pixmap().toImage().pixelColor(x, y); };
    TypeEach({"1000", "500", ""});
    ASSERT_EQ(Focus(), form->CheckBox1);
    const int bottom = form->Image1->height() - 4;
    EXPECT_EQ(pixel(30, bottom), QColor(Qt::yellow)); // the element, grain along the board
    EXPECT_NE(pixel(30, 4), QColor(Qt::yellow));
    EXPECT_NE(pixel(100, bottom), QColor(Qt::yellow));

    state.Settings.SetUsableBoardLength(0);
    Key(Qt::Key_Space); // unticking redraws
    const QColor face = pixel(0, 0);
    EXPECT_EQ(pixel(30, bottom), face);
    EXPECT_EQ(pixel(75, 40), face);
}

TEST_F(NewElements, TheCloseBoxKeepsEveryElementEntered)
{
    Start();
    TypeEach({"500", "300", "", "", "700", "400", "2", ""});
    ASSERT_EQ(Count(), 2);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(ElementCount(form->Elements), 2);
    EXPECT_EQ(+form->Elements[1].Count, 2);
}

} // namespace
