// The quick-entry row: typing, Enter from field to field, and what is added.

#include "test_document_host.h"

#include "common/Conversions.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EntryRow : public ::testing::Test {
protected:
    void SetUp() override { form->ShowGrainBox(false); }

    void SetUnit(std::int32_t unit)
    {
        host.state.Settings.SetUnit(unit);
        host.state.UnitFactor = UnitFactorOf(unit);
    }
    // Types into each field and presses Enter from the length to the count.
    void Enter(const QString &length, const QString &width, const QString &count)
    {
        for (QLineEdit *edit : {form->Edit1, form->Edit5, form->Edit6})
            edit->clear();
        QTest::keyClicks(form->Edit1, length);
        QTest::keyClick(form->Edit1, Qt::Key_Return);
        QTest::keyClicks(form->Edit5, width);
        QTest::keyClick(form->Edit5, Qt::Key_Return);
        QTest::keyClicks(form->Edit6, count);
        QTest::keyClick(form->Edit6, Qt::Key_Return);
    }
    int Count() const { return ElementCount(form->Elements); }
    const TElement &Last() const { return form->Elements[static_cast<std::size_t>(Count() - 1)]; }

    TestDocumentHost host;
    TForm16 *form = host.NewDocument();
};

TEST_F(EntryRow, MillimetresAreAddedAsTypedAndTheNewRowBecomesCurrent)
{
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("2"));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, 600);
    EXPECT_EQ(+Last().Width, 400);
    EXPECT_EQ(+Last().Count, 2);
    EXPECT_EQ(+Last().Grain, 0);
    EXPECT_EQ(form->SG1->currentIndex().row(), 2);
    Enter(QStringLiteral("700"), QStringLiteral("300"), QStringLiteral("1"));
    EXPECT_EQ(form->SG1->currentIndex().row(), 3);
    EXPECT_EQ(form->focusWidget(), form->Edit1);
    EXPECT_EQ(form->Edit1->selectedText(), form->Edit1->text());
}

struct UnitEntryCase {
    std::int32_t unit;
    const char *typed;
    std::int32_t millimetres;
};

class EntryInUnits : public EntryRow, public ::testing::WithParamInterface<UnitEntryCase> {};

TEST_P(EntryInUnits, TypedValueIsDividedByTheFactorAndRoundedHalfToEven)
{
    const UnitEntryCase &c = GetParam();
    SetUnit(c.unit);
    Enter(QString::fromUtf8(c.typed), QString::fromUtf8(c.typed), QStringLiteral("1"));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, c.millimetres);
    EXPECT_EQ(+Last().Width, c.millimetres);
}

INSTANTIATE_TEST_SUITE_P(Units, EntryInUnits, ::testing::Values(
    UnitEntryCase{UnitCm, "60.5", 605},
    UnitEntryCase{UnitCm, "60,5", 605},    // a typed comma is the decimal point
    UnitEntryCase{UnitCm, "60.25", 602},
    UnitEntryCase{UnitCm, "60.35", 604},
    UnitEntryCase{UnitCm, "12.35", 124},   // 123.5: a tie a binary division never sees
    UnitEntryCase{UnitCm, "2.15", 22},
    UnitEntryCase{UnitM, "0.0215", 22},
    UnitEntryCase{UnitM, "0.6057", 606},
    UnitEntryCase{UnitM, "0,6055", 606},
    UnitEntryCase{UnitM, "0.0045", 4}));

TEST_F(EntryRow, FieldsFilterWhatIsTyped)
{
    QTest::keyClicks(form->Edit1, QStringLiteral("6a0.5-"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("605"));
    QTest::keyClicks(form->Edit6, QStringLiteral("1,2x3"));
    EXPECT_EQ(form->Edit6->text(), QStringLiteral("123"));
    SetUnit(UnitCm);
    QTest::keyClicks(form->Edit5, QStringLiteral("4,0.5,-"));
    EXPECT_EQ(form->Edit5->text(), QStringLiteral("4.05"));
}

TEST_F(EntryRow, ZeroNegativeAndTooLargeEntriesAddNothing)
{
    Enter(QStringLiteral("0"), QStringLiteral("400"), QStringLiteral("1"));
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("0"));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(form->Edit6->text(), QStringLiteral("0"));

    // Texts the keyboard cannot produce, set by code.
    form->Edit1->setText(QStringLiteral("-600"));
    form->Edit5->setText(QStringLiteral("400"));
    form->Edit6->setText(QStringLiteral("1"));
    form->AddFromEntryRow();
    form->Edit1->setText(QStringLiteral("600"));
    form->Edit6->setText(QStringLiteral("-2"));
    form->AddFromEntryRow();
    form->Edit6->setMaxLength(6);
    form->Edit6->setText(QStringLiteral("65536"));
    form->AddFromEntryRow();
    EXPECT_EQ(Count(), 0);
    form->Edit6->setText(QStringLiteral("65535"));
    form->AddFromEntryRow();
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Count, 65535);
}

TEST_F(EntryRow, ALetterTypedOverASelectionIsRefusedLikeAnyOther)
{
    for (QLineEdit *edit : {form->Edit1, form->Edit5, form->Edit6}) {
        edit->setText(QStringLiteral("000"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("q"));
        EXPECT_EQ(edit->text(), QStringLiteral("000")) << edit->toolTip().toStdString();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("7"));
        EXPECT_EQ(edit->text(), QStringLiteral("7"));
    }
}

TEST_F(EntryRow, SizesAboveTheProgramsLimitAreRefusedLikeZero)
{
    Enter(QStringLiteral("100000"), QStringLiteral("400"), QStringLiteral("1"));
    Enter(QStringLiteral("600"), QStringLiteral("12345678901"), QStringLiteral("1"));
    SetUnit(UnitM);
    Enter(QStringLiteral("100.0004"), QStringLiteral("0.4"), QStringLiteral("1"));
    EXPECT_EQ(Count(), 0);
    Enter(QStringLiteral("99.999"), QStringLiteral("0.4"), QStringLiteral("1"));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, kMaxDimensionMm);
}

TEST_F(EntryRow, TextLeftFromAnotherUnitIsNeverMisread)
{
    SetUnit(UnitCm);
    QTest::keyClicks(form->Edit1, QStringLiteral("60.5"));
    SetUnit(UnitMm);
    form->Edit5->setText(QStringLiteral("400"));
    form->Edit6->setText(QStringLiteral("1"));
    form->AddFromEntryRow();
    EXPECT_EQ(Count(), 0) << "60.5 in mm must not become 6005";
}

TEST_F(EntryRow, TextLeftFromAnotherUnitCanBeCorrectedWithBackspace)
{
    SetUnit(UnitCm);
    QTest::keyClicks(form->Edit1, QStringLiteral("60.5"));
    SetUnit(UnitMm);
    form->Edit1->setFocus();
    form->Edit1->end(false);
    QTest::keyClick(form->Edit1, Qt::Key_Backspace);
    QTest::keyClick(form->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("60"));
    QTest::keyClicks(form->Edit1, QStringLiteral("5."));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("605")) << "typing still takes digits only";
    form->Edit5->setText(QStringLiteral("400"));
    form->Edit6->setText(QStringLiteral("1"));
    form->AddFromEntryRow();
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Length, 605);
}

TEST_F(EntryRow, EmptyCountBecomesZeroAndAddsNothing)
{
    form->Edit1->setText(QStringLiteral("600"));
    form->Edit5->setText(QStringLiteral("400"));
    form->AddFromEntryRow();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(form->Edit6->text(), QStringLiteral("0"));
}

TEST_F(EntryRow, EnterMovesOnOnlyFromAFilledField)
{
    form->Edit1->setFocus();
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(form->focusWidget(), form->Edit1);
    form->Edit1->setText(QStringLiteral("600"));
    form->Edit5->setText(QStringLiteral("400"));
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(form->focusWidget(), form->Edit5);
    EXPECT_EQ(form->Edit5->selectedText(), QStringLiteral("400"));
    QTest::keyClick(form->Edit5, Qt::Key_Enter);
    EXPECT_EQ(form->focusWidget(), form->Edit6);
}

TEST_F(EntryRow, EnterInTheCountWithAnEmptyWidthDoesNothing)
{
    form->Edit1->setText(QStringLiteral("600"));
    form->Edit6->setText(QStringLiteral("3"));
    form->Edit6->setFocus();
    QTest::keyClick(form->Edit6, Qt::Key_Return);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(form->Edit6->text(), QStringLiteral("3"));
    EXPECT_EQ(form->focusWidget(), form->Edit6);
}

TEST_F(EntryRow, WithTheGrainBoxEnterGoesThroughItAndItsStateIsTaken)
{
    host.state.Settings.SetDefaultGrain(true);
    form->ShowGrainBox(true);
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("1"));
    EXPECT_EQ(Count(), 0) << "Enter in the count only moves to the grain box";
    EXPECT_EQ(form->focusWidget(), form->CheckBox1);
    form->CheckBox1->setChecked(false);
    QTest::keyClick(form->CheckBox1, Qt::Key_Return);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(+Last().Grain, 0);
    EXPECT_TRUE(form->CheckBox1->isChecked()) << "the box goes back to the material's default";
    EXPECT_EQ(form->focusWidget(), form->Edit1);
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    QTest::keyClick(form->Edit5, Qt::Key_Return);
    QTest::keyClick(form->Edit6, Qt::Key_Return);
    QTest::keyClick(form->CheckBox1, Qt::Key_Return);
    ASSERT_EQ(Count(), 2) << "four Enters repeat the entry";
    EXPECT_EQ(+Last().Grain, 1);
    EXPECT_EQ(+Last().Length, 600);
}

TEST_F(EntryRow, GrainBoxReachedByEnterShowsItsFocus)
{
    host.area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host.area));
    form->ShowGrainBox(true);
    const auto look = [&] {
        QImage image(form->CheckBox1->size(), QImage::Format_RGB32);
        form->CheckBox1->render(&image);
        return image;
    };
    const QImage unfocused = look();
    form->Edit5->setText(QStringLiteral("400"));
    form->Edit6->setFocus();
    QTest::keyClick(form->Edit6, Qt::Key_Return);
    ASSERT_EQ(form->focusWidget(), form->CheckBox1);
    EXPECT_NE(look(), unfocused) << "the focus frame must be drawn";
}

TEST_F(EntryRow, WithoutResetsThreeEntersRepeatTheEntry)
{
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("2"));
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    QTest::keyClick(form->Edit5, Qt::Key_Return);
    QTest::keyClick(form->Edit6, Qt::Key_Return);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(+Last().Length, 600);
    EXPECT_EQ(+Last().Count, 2);
}

TEST_F(EntryRow, ResetSettingsRefillTheFields)
{
    host.state.Settings.SetResetLength(true);
    host.state.Settings.SetResetCount(true);
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("2"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("000"));
    EXPECT_EQ(form->Edit5->text(), QStringLiteral("400"));
    EXPECT_EQ(form->Edit6->text(), QStringLiteral("1"));
    host.state.Settings.SetResetWidth(true);
    Enter(QStringLiteral("700"), QStringLiteral("300"), QStringLiteral("2"));
    EXPECT_EQ(form->Edit5->text(), QStringLiteral("000"));
}

TEST_F(EntryRow, FullListTakesNoMoreAndKeepsTheTexts)
{
    TElementList full;
    full.fill(MakeElement(100, 100));
    SetElementList(*form, full);
    Enter(QStringLiteral("600"), QStringLiteral("400"), QStringLiteral("1"));
    EXPECT_EQ(Count(), kMaxElements);
    EXPECT_EQ(+form->Elements[kMaxElements - 1].Length, 100);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("600"));
}

TEST_F(EntryRow, HintsAndCountLength)
{
    EXPECT_EQ(form->Edit1->toolTip(), QStringLiteral("Duzina"));
    EXPECT_EQ(form->Edit1->statusTip(), QStringLiteral("Duzina (dimenzija koja prati teksturu) elementa"));
    EXPECT_EQ(form->Edit6->toolTip(), QStringLiteral("Komada"));
    EXPECT_EQ(form->CheckBox1->statusTip(), QStringLiteral("Cekirajte ovo ako element mora da prati teksturu"));
    EXPECT_EQ(form->Edit6->maxLength(), 4);
    EXPECT_EQ(form->CheckBox1->text(), QStringLiteral("Prati teksturu"));
}

} // namespace
