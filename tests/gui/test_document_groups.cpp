// The group panel: moving pieces into groups with the two buttons, the refusals,
// and giving groups back with Delete.

#include "test_document_host.h"

#include "support/PackedField.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const QString kWidthMessage = QStringLiteral("Sirina elementa ne odgovara osnovnoj dimenziji grupe!");
const QString kGroupFullMessage = QStringLiteral("Nije moguce dodavanje elementa u selektovanu grupu");
const QString kListFullMessage = QStringLiteral("Spisak elemenata je pun!");

class Groups : public ::testing::Test {
protected:
    void ClickRow(int row)
    {
        const QRect cell = form->SG1->visualRect(form->SG1->model()->index(row, 1));
        QTest::mouseClick(form->SG1->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void ClickLine(int line)
    {
        const QRect rect = form->ListBox1->visualItemRect(form->ListBox1->item(line));
        QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void PressDelete() { QTest::keyClick(form->ListBox1, Qt::Key_Delete); }
    // Groups of pieces of the given widths, one group per list.
    void SetGroups(std::initializer_list<std::initializer_list<std::int32_t>> widths)
    {
        TElementGroups groups = NoGroups();
        std::size_t g = 0;
        for (const auto &group : widths) {
            int p = 0;
            for (std::int32_t width : group) {
                groups[g].Pieces[p] = MakeElement(100 + p, width, 1, "g" + std::to_string(g + 1));
                ++p;
            }
            ++g;
        }
        form->ReplaceLists(form->Elements, groups);
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < form->ListBox1->count(); ++i)
            lines << form->ListBox1->item(i)->text();
        return lines;
    }
    // Asserts that a refusal said `text` in a plain box and left both lists as they were.
    void ExpectRefused(const TElementList &elements, const TElementGroups &groups, const QString &text)
    {
        ASSERT_EQ(host.desktop.Boxes().size(), 1u);
        EXPECT_EQ(host.desktop.Boxes()[0].text, text);
        EXPECT_EQ(host.desktop.Boxes()[0].icon, Platform::Icon::None);
        EXPECT_EQ(host.desktop.Boxes()[0].buttons, Platform::Buttons::Ok);
        EXPECT_EQ(std::memcmp(&elements, &form->Elements, sizeof elements), 0);
        EXPECT_EQ(std::memcmp(&groups, &form->Groups, sizeof groups), 0);
    }

    TestDocumentHost host;
    TForm16 *form = host.NewDocument();
};

TEST_F(Groups, NewGroupTakesOnePieceWithAllItsFieldsAndTheLastPieceTakesTheRow)
{
    TElement only = MakeElement(600, 400, 1, "vrata");
    only.LengthBanding = BandingPvcTwo;
    only.Grain = 1;
    SetElements(*form, {only, MakeElement(700, 300, 5, "polica")});
    ClickRow(2);
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    ASSERT_EQ(ElementCount(form->Elements), 1) << "the rows below move up";
    EXPECT_EQ(form->Elements[0].Label.str(), "polica");
    const TElement &piece = form->Groups[0].Pieces[0];
    EXPECT_EQ(piece.Label.str(), "vrata");
    EXPECT_EQ(Copy(piece.LengthBanding), BandingPvcTwo);
    EXPECT_EQ(Copy(piece.Grain), 1);
    EXPECT_EQ(Copy(piece.Count), 1);

    ClickRow(2);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_EQ(Copy(form->Elements[0].Count), 2);
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("GRUPA [1]: 1 elementa"), QStringLiteral("GRUPA [2]: 1 elementa"),
                                    QStringLiteral("GRUPA [3]: 1 elementa"), QStringLiteral("GRUPA [4]: 1 elementa")}));
    EXPECT_EQ(form->ListBox1->currentRow(), 3) << "the new group is selected";
    EXPECT_TRUE(host.desktop.Boxes().empty());
}

TEST_F(Groups, SelectedGroupTakesAPieceOfItsWidthUpToTen)
{
    SetElements(*form, {MakeElement(800, 300, 3)});
    SetGroups({{250}, {300, 300}});
    ClickRow(2);
    ClickLine(1);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(Lines().at(1), QStringLiteral("GRUPA [2]: 3 elementa"));
    EXPECT_EQ(Copy(form->Groups[1].Pieces[2].Length), 800);
    EXPECT_EQ(Copy(form->Elements[0].Count), 2);
    EXPECT_EQ(form->ListBox1->currentRow(), 1);
}

struct RefusalCase {
    const char *name;
    int piecesInGroup;
    std::int32_t groupWidth, elementWidth;
    const QString *message;
};

class GroupRefusals : public Groups, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(GroupRefusals, NothingMovesAndAPlainBoxSaysWhy)
{
    const RefusalCase &c = GetParam();
    TElementGroups groups = NoGroups();
    for (int p = 0; p < c.piecesInGroup; ++p)
        groups[0].Pieces[p] = MakeElement(500, c.groupWidth);
    SetElements(*form, {MakeElement(900, c.elementWidth, 2)});
    form->ReplaceLists(form->Elements, groups);
    const TElementList elementsBefore = form->Elements;
    host.desktop.AnswerBox(Platform::Answer::Ok);
    ClickRow(2);
    ClickLine(0);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ExpectRefused(elementsBefore, groups, *c.message);
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupRefusals, ::testing::Values(
    RefusalCase{"OneMillimetreWider", 3, 400, 401, &kWidthMessage},
    RefusalCase{"OneMillimetreNarrower", 1, 400, 399, &kWidthMessage},
    RefusalCase{"EleventhPieceOfTheRightWidth", 10, 400, 400, &kGroupFullMessage},
    RefusalCase{"EleventhPieceOfAnotherWidth", 10, 400, 300, &kGroupFullMessage}),
    [](const ::testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.name); });

TEST_F(Groups, WithoutAnElementRowAGroupLineOrRoomForANewGroupNothingHappens)
{
    SetElements(*form, {MakeElement(800, 300, 3)});
    SetGroups({{300}, {301}, {302}, {303}, {304}, {305}, {306}, {307}, {308}, {309}});
    const TElementList elements = form->Elements;
    const TElementGroups groups = form->Groups;
    ClickRow(1); // the blank row
    ClickLine(0);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    ClickRow(2);
    form->ListBox1->setCurrentRow(-1);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    QTest::mouseClick(form->Button2, Qt::LeftButton); // an eleventh group: silently refused
    EXPECT_EQ(std::memcmp(&elements, &form->Elements, sizeof elements), 0);
    EXPECT_EQ(std::memcmp(&groups, &form->Groups, sizeof groups), 0);
    EXPECT_EQ(form->ListBox1->currentRow(), 9) << "the last existing group is selected";
    EXPECT_TRUE(host.desktop.Boxes().empty());
}

TEST_F(Groups, DeleteGivesTheGroupBackAndRenumbersTheRest)
{
    SetElements(*form, {MakeElement(900, 500, 2, "e")});
    SetGroups({{300, 300}, {200}, {100, 100, 100}});
    ClickLine(0);
    PressDelete();
    ASSERT_EQ(ElementCount(form->Elements), 3);
    EXPECT_EQ(form->Elements[1].Label.str(), "g1");
    EXPECT_EQ(Copy(form->Elements[2].Length), 101) << "the pieces come back in order";
    EXPECT_EQ(Copy(form->Elements[2].Count), 1);
    EXPECT_EQ(form->SG1->model()->rowCount(), 5);
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("GRUPA [1]: 1 elementa"), QStringLiteral("GRUPA [2]: 3 elementa")}));
    EXPECT_EQ(form->ListBox1->currentRow(), 0) << "the selection stays on the first line";
    EXPECT_EQ(form->Groups[0].Pieces[0].Label.str(), "g2");
    EXPECT_EQ(GroupPieceCount(form->Groups[2]), 0) << "the former last slot is zeroed";

    ClickLine(1);
    PressDelete();
    PressDelete();
    EXPECT_EQ(ElementCount(form->Elements), 7);
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(form->ListBox1->currentRow(), -1);
    PressDelete(); // nothing selected: nothing happens
    EXPECT_EQ(ElementCount(form->Elements), 7);
}

TEST_F(Groups, AFullListRefusesTheWholeGroupAndKeepsEveryPiece)
{
    TElementList nearlyFull;
    for (std::size_t slot = 0; slot + 1 < nearlyFull.size(); ++slot)
        nearlyFull[slot] = MakeElement(100, 100);
    nearlyFull.back() = ZeroElement();
    form->ReplaceElements(nearlyFull);
    SetGroups({{300}, {200, 200}});
    const TElementList elements = form->Elements;
    const TElementGroups groups = form->Groups;
    host.desktop.AnswerBox(Platform::Answer::Ok);
    ClickLine(1);
    PressDelete();
    ExpectRefused(elements, groups, kListFullMessage);

    ClickLine(0);
    PressDelete(); // one piece fits exactly into slot 800
    EXPECT_EQ(ElementCount(form->Elements), kMaxElements);
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("GRUPA [1]: 2 elementa")});
}

} // namespace
