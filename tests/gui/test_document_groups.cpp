// The group panel: pieces moved in with the two buttons, refusals, Delete giving a group back.

#include "test_document_host.h"

#include "common/SameBytes.h"
#include "support/PackedField.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class Groups : public ::testing::Test {
protected:
    void ClickRow(int row) { Click(form->SG1->viewport(), form->SG1->visualRect(form->SG1->model()->index(row, 1))); }
    void ClickLine(int line) { Click(form->ListBox1->viewport(), form->ListBox1->visualItemRect(form->ListBox1->item(line))); }
    void Click(QWidget *widget, const QRect &rect) { QTest::mouseClick(widget, Qt::LeftButton, {}, rect.center()); }
    void Click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void PressDelete() { QTest::keyClick(form->ListBox1, Qt::Key_Delete); }
    // One group per entry, of as many pieces as given, each of width `width`, labelled "g<group>".
    void SetGroups(std::initializer_list<std::pair<int, std::int32_t>> piecesAndWidth)
    {
        TElementGroups built = NoGroups();
        std::size_t g = 0;
        for (const auto &[pieces, width] : piecesAndWidth) {
            for (int p = 0; p < pieces; ++p)
                built[g].Pieces[p] = MakeElement(100 + p, width, 1, "g" + std::to_string(g + 1));
            ++g;
        }
        SetLists(*form, form->Elements, built);
    }
    QString Line(int line) const { return form->ListBox1->item(line)->text(); }
    void Remember()
    {
        elements = form->Elements;
        groups = form->Groups;
    }
    bool Unchanged() const
    {
        return SameBytes(elements, form->Elements) && SameBytes(groups, form->Groups);
    }
    // A refusal box: plain, OK only, with this text.
    void ExpectBox(const QString &text) const
    {
        ASSERT_EQ(host.desktop.Boxes().size(), 1u);
        EXPECT_EQ(host.desktop.Boxes()[0].text, text);
        EXPECT_EQ(host.desktop.Boxes()[0].icon, Platform::Icon::None);
        EXPECT_EQ(host.desktop.Boxes()[0].buttons, Platform::Buttons::Ok);
    }

    TestDocumentHost host;
    TForm16 *form = host.NewDocument();
    TElementList elements{};
    TElementGroups groups{};
};

TEST_F(Groups, NewGroupTakesOnePieceWithItsFieldsAndTheLastPieceTakesTheRow)
{
    TElement door = MakeElement(600, 400, 1, "vrata");
    door.LengthBanding = BandingPvcTwo;
    SetElements(*form, {door, MakeElement(700, 300, 5, "polica")});
    ClickRow(2);
    Click(form->Button2);
    ASSERT_EQ(ElementCount(form->Elements), 1) << "the rows below move up";
    EXPECT_EQ(form->Elements[0].Label.str(), "polica");
    EXPECT_EQ(form->Groups[0].Pieces[0].Label.str(), "vrata");
    EXPECT_EQ(Copy(form->Groups[0].Pieces[0].LengthBanding), BandingPvcTwo);
    for (int i = 0; i < 3; ++i)
        Click(form->Button2);
    EXPECT_EQ(Copy(form->Elements[0].Count), 2);
    EXPECT_EQ(Copy(form->Groups[3].Pieces[0].Count), 1);
    ASSERT_EQ(form->ListBox1->count(), 4);
    EXPECT_EQ(Line(3), QStringLiteral("GRUPA [4]: 1 elementa"));
    EXPECT_EQ(form->ListBox1->currentRow(), 3) << "the new group is selected";
}

struct AddCase {
    int piecesInGroup;
    std::int32_t elementWidth; // the group's is 400
    const char *message;       // nullptr: the piece is added
};

class AddToSelectedGroup : public Groups, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddToSelectedGroup, TakesAPieceOfItsWidthUpToTenElseAPlainBoxSaysWhy)
{
    const AddCase &c = GetParam();
    SetElements(*form, {MakeElement(900, c.elementWidth, 2)});
    SetGroups({{2, 250}, {c.piecesInGroup, 400}});
    Remember();
    if (c.message)
        host.desktop.AnswerBox(Platform::Answer::Ok);
    ClickRow(2);
    ClickLine(1);
    Click(form->Button1);
    if (!c.message) {
        EXPECT_EQ(Line(1), QStringLiteral("GRUPA [2]: %1 elementa").arg(c.piecesInGroup + 1));
        EXPECT_EQ(Copy(form->Groups[1].Pieces[c.piecesInGroup].Length), 900);
        EXPECT_EQ(Copy(form->Elements[0].Count), 1);
        return;
    }
    ExpectBox(QString::fromLatin1(c.message));
    EXPECT_TRUE(Unchanged());
}

const char *const kWidth = "Sirina elementa ne odgovara osnovnoj dimenziji grupe!";
const char *const kFull = "Nije moguce dodavanje elementa u selektovanu grupu";
INSTANTIATE_TEST_SUITE_P(Cases, AddToSelectedGroup, ::testing::Values(
    AddCase{3, 400, nullptr}, AddCase{9, 400, nullptr}, AddCase{3, 401, kWidth}, AddCase{1, 399, kWidth},
    AddCase{10, 400, kFull}, AddCase{10, 300, kFull}));

TEST_F(Groups, NoElementRowNoGroupLineOrAnEleventhGroupChangeNothingSilently)
{
    SetElements(*form, {MakeElement(800, 300, 3)});
    SetGroups({{1, 300}, {1, 301}, {1, 302}, {1, 303}, {1, 304}, {1, 305}, {1, 306}, {1, 307}, {1, 308}, {1, 309}});
    Remember();
    ClickRow(1); // the blank row
    ClickLine(0);
    Click(form->Button1);
    ClickRow(2);
    form->ListBox1->setCurrentRow(-1);
    Click(form->Button1);
    Click(form->Button2);
    EXPECT_TRUE(Unchanged());
    EXPECT_EQ(form->ListBox1->currentRow(), 9) << "the last existing group is selected";
}

TEST_F(Groups, DeleteGivesTheGroupBackInOrderAndRenumbersTheRest)
{
    SetElements(*form, {MakeElement(900, 500, 2)});
    SetGroups({{2, 300}, {1, 200}, {3, 100}});
    ClickLine(0);
    PressDelete();
    ASSERT_EQ(ElementCount(form->Elements), 3);
    EXPECT_EQ(form->Elements[1].Label.str(), "g1");
    EXPECT_EQ(Copy(form->Elements[2].Length), 101);
    ASSERT_EQ(form->ListBox1->count(), 2);
    EXPECT_EQ(Line(0), QStringLiteral("GRUPA [1]: 1 elementa"));
    EXPECT_EQ(Line(1), QStringLiteral("GRUPA [2]: 3 elementa"));
    EXPECT_EQ(form->ListBox1->currentRow(), 0) << "the selection stays on the first line";
    EXPECT_EQ(GroupPieceCount(form->Groups[2]), 0) << "the former last group is zeroed";
    ClickLine(1);
    PressDelete();
    PressDelete();
    PressDelete(); // nothing left to select
    EXPECT_EQ(ElementCount(form->Elements), 7);
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(form->ListBox1->currentRow(), -1);
}

TEST_F(Groups, AFullListRefusesAWholeGroupAndTakesOneThatFillsSlotEightHundred)
{
    TElementList nearlyFull = ListOf({});
    std::fill(nearlyFull.begin(), nearlyFull.end() - 1, MakeElement(100, 100));
    SetElementList(*form, nearlyFull);
    SetGroups({{1, 300}, {2, 200}});
    Remember();
    host.desktop.AnswerBox(Platform::Answer::Ok);
    ClickLine(1);
    PressDelete();
    ExpectBox(QStringLiteral("Spisak elemenata je pun!"));
    EXPECT_TRUE(Unchanged());
    ClickLine(0);
    PressDelete();
    EXPECT_EQ(ElementCount(form->Elements), kMaxElements);
    EXPECT_EQ(form->ListBox1->count(), 1);
}

} // namespace
