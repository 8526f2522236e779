// The edit-element dialog, driven from the keyboard.

#include "test_dialog_fixture.h"

#include "dialogs/Unit12.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <vector>

namespace {

class EditElement : public DialogTest {
protected:
    void Start(const TElement &old)
    {
        form = std::make_unique<TForm12>(state, nullptr);
        form->UnitFactor = state.UnitFactor;
        form->OldElement = old;
        Open(*form);
    }
    bool Selected(const QLineEdit *field) const
    {
        return Focus() == field && field->selectedText() == field->text();
    }

    std::unique_ptr<TForm12> form;
};

TEST_F(EditElement, ShowsTheElementInEachUnitAndStoresUnchangedValuesBackExactly)
{
    struct Case {
        std::int32_t unit;
        std::int32_t lengthMm, widthMm;
        const char *length;
        const char *width;
    };
    // Sizes of 10 m and more need more characters than the fields let a user type.
    const Case cases[] = {{UnitMm, 1250, 600, "1250", "600"},   {UnitCm, 1250, 600, "125.0", "60.0"},
                          {UnitM, 1250, 600, "1.250", "0.600"}, {UnitCm, 12345, 1235, "1234.5", "123.5"},
                          {UnitM, 12345, 99999, "12.345", "99.999"}};
    for (const Case &c : cases) {
        SetUnit(c.unit);
        TElement old = MakeElement(c.lengthMm, c.widthMm, 3, "Polica");
        old.Grain = 1;
        Start(old);
        EXPECT_EQ(form->Edit1->text(), QString::fromLatin1(c.length));
        EXPECT_EQ(form->Edit2->text(), QString::fromLatin1(c.width));
        EXPECT_EQ(form->Edit4->text(), QStringLiteral("3"));
        EXPECT_TRUE(form->CheckBox1->isChecked());
        EXPECT_TRUE(Selected(form->Edit1));
        TypeEach({"", "", "", "", ""}); // up to "Izmena", which the last Enter presses
        ASSERT_EQ(form->result(), QDialog::Accepted) << c.unit;
        EXPECT_EQ(+form->NewElement.Length, c.lengthMm);
        EXPECT_EQ(+form->NewElement.Width, c.widthMm);
        EXPECT_EQ(+form->NewElement.Count, 3);
        EXPECT_EQ(+form->NewElement.Grain, 1);
        EXPECT_EQ(form->NewElement.Label.str(), "Polica"); // labels are not entered: the old label stays
    }
}

TEST_F(EditElement, EnterSkipsWhatIsNotInUse)
{
    struct Case {
        bool banding;
        bool labels;
        std::vector<const char *> order;
    };
    const Case cases[] = {
        {false, false, {"Edit1", "Edit2", "Edit4", "CheckBox1", "Button2"}},
        {true, false, {"Edit1", "KantDuzine", "Edit2", "KantSirine", "Edit4", "CheckBox1", "Button2"}},
        {true, true, {"Edit1", "KantDuzine", "Edit2", "KantSirine", "Edit3", "Edit4", "CheckBox1", "Button2"}},
    };
    for (const Case &c : cases) {
        state.Settings.SetBandingInUse(c.banding);
        state.Settings.SetLabelsEntered(c.labels);
        Start(MakeElement(500, 300));
        for (const char *expected : c.order) {
            ASSERT_NE(Focus(), nullptr);
            EXPECT_EQ(Focus()->objectName(), QString::fromLatin1(expected));
            if (Focus() != form->Button2)
                Key(Qt::Key_Return);
        }
        EXPECT_EQ(form->KantDuzine->isEnabled(), c.banding);
        EXPECT_EQ(form->Edit3->isVisible(), c.labels);
    }
}

TEST_F(EditElement, FieldsCutAtTheFirstCharacterTheUnitDoesNotAllow)
{
    Start(MakeElement(500, 300));
    Type(QStringLiteral("12.5"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("125"));
    SetUnit(UnitCm);
    form->UnitFactor = state.UnitFactor;
    form->Edit2->setText(QStringLiteral("1,2.5x3"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("1.2.5"));
    EXPECT_EQ(form->Edit2->cursorPosition(), 5);

    form->Edit4->clear();
    EXPECT_TRUE(form->Button2->isEnabled()) << "the count is not looked at";
    form->Edit2->setFocus();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(form->Button2->isEnabled());
    EXPECT_TRUE(form->isVisible()) << "Escape does not close";
}

TEST_F(EditElement, RefusedCountOrDimensionKeepsTheDialogOpenWithTheFieldSelected)
{
    struct Case {
        const char *length;
        const char *count;
        bool countRefused; // else the length
    };
    const Case cases[] = {{"500", "0", true}, {"500", "", true}, {"500", "65536", true}, {"00000", "2", false}};
    for (const Case &c : cases) {
        Start(MakeElement(500, 300, 1));
        form->Edit1->setText(QString::fromLatin1(c.length));
        form->Edit4->setText(QString::fromLatin1(c.count));
        form->Button2->setEnabled(true); // reached as by keys when the length was positive
        form->Button2->setFocus();
        Key(Qt::Key_Return);
        EXPECT_TRUE(form->isVisible()) << c.count;
        EXPECT_EQ(form->result(), 0);
        EXPECT_TRUE(Selected(c.countRefused ? form->Edit4 : form->Edit1)) << c.count;
    }
}

TEST_F(EditElement, NewElementIsRebuiltKeepingOnlyWhatTheDialogCannotEdit)
{
    TElement old = MakeElement(800, 400, 2, "Stara");
    old.LengthBanding = BandingPvcTwo;
    old.WidthBanding = BandingAbsOne;
    old.Aux1 = 7;
    old.AuxByte2 = 9;
    old.SkipMark = 1;
    old.Priority = 5;
    old.Reserved2[3] = 4;
    for (const bool inUse : {false, true}) {
        state.Settings.SetBandingInUse(inUse);
        state.Settings.SetLabelsEntered(inUse);
        Start(old);
        form->Edit3->setText(QStringLiteral("Nova"));
        form->KantDuzine->setCurrentIndex(BandingNone);
        form->Button2->setFocus();
        Key(Qt::Key_Return);
        ASSERT_EQ(form->result(), QDialog::Accepted);
        TElement expected = MakeElement(800, 400, 2, inUse ? "Nova" : "Stara");
        expected.LengthBanding = inUse ? BandingNone : BandingPvcTwo;
        expected.WidthBanding = BandingAbsOne;
        EXPECT_EQ(std::memcmp(&form->NewElement, &expected, sizeof expected), 0) << inUse;
    }
}

TEST_F(EditElement, HintsFollowTheSettingAndPovratakEndsWithoutAChange)
{
    for (const bool hints : {true, false}) {
        state.Settings.SetEditHints(hints);
        Start(MakeElement(500, 300));
        EXPECT_EQ(form->KantSirine->toolTip(), hints ? QStringLiteral("Kantovanje sirine") : QString());
    }
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
