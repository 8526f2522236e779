// Undo and redo through the Edit menu and its keys: every command of the
// program as one step, the steps of the active document, the saved state.

#include "test_main_fixture.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/SameBytes.h"
#include "dialogs/Unit2.h"
#include "document/ListSnapshot.h"
#include "document/Unit16.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

std::unique_ptr<ListSnapshot> ListsOf(const TForm16 &document)
{
    auto lists = std::make_unique<ListSnapshot>();
    lists->elements = document.Elements;
    lists->groups = document.Groups;
    return lists;
}

bool SameLists(const TForm16 &document, const ListSnapshot &lists)
{
    return SameBytes(document.Elements, lists.elements) && SameBytes(document.Groups, lists.groups);
}

class Undo : public MainWindowTest {
protected:
    void SetUp() override
    {
        TSettings settings = TestSettings();
        settings.SetGroupPanel(true);
        WriteSettings(settings);
        ShowWindow();
        document = window->NewDocument();
        SetElementList(*document, ListOf({MakeElement(100, 300, 1), MakeElement(200, 400, 2), MakeElement(300, 300, 3),
                                          MakeElement(400, 400, 4), MakeElement(500, 300, 5)}));
    }
    QUndoStack &Stack() const { return *document->Model().UndoStack(); }
    void SelectElements(int first, int last)
    {
        document->SetCurrentRow(first + 1);
        for (int e = first; e < last; ++e)
            QTest::keyClick(document->SG1, Qt::Key_Down, Qt::ShiftModifier);
    }
    void EnterRow(int length, int width, int count)
    {
        for (const auto &[edit, value] : {std::pair{document->Edit1, length}, {document->Edit5, width},
                                          {document->Edit6, count}}) {
            edit->selectAll();
            QTest::keyClicks(edit, QString::number(value));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        if (!document->CheckBox1->isHidden())
            QTest::keyClick(document->CheckBox1, Qt::Key_Return); // the grain box adds
    }

    TForm16 *document = nullptr;
};

// Every command that changes a list, driven as the user drives it; the boxes of
// its refusals are foreseen and answered.
class RandomCommands : public Undo {
protected:
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int Count() const { return ElementCount(document->Elements); }
    const TElement &Element(int e) const { return document->Elements[std::size_t(e - 1)]; }
    int PickElement() { return Random(1, Count()); }
    // A random element current, or elements first..last selected.
    std::pair<int, int> PickRows(int extra)
    {
        const int first = PickElement();
        const int last = std::min(Count(), first + Random(0, extra));
        SelectElements(first, last);
        return {first, last};
    }
    void Multiply(QAction *item, int first, int last)
    {
        const int factor = Random(1, 3);
        desktop.AnswerInput(QString::number(factor));
        for (int e = first; e <= last; ++e) {
            if (Element(e).Count * factor > kMaxCount) {
                desktop.AnswerBox(Platform::Answer::Ok);
                break;
            }
        }
        item->trigger();
    }
    // Group g of the list (1-based), or 0 when there is none.
    int PickGroup()
    {
        const int groups = GroupCount(document->Groups);
        const int g = groups == 0 ? 0 : Random(1, groups);
        document->ListBox1->setCurrentRow(g - 1);
        return g;
    }
    void AddToSelectedGroup()
    {
        const int e = PickRows(0).first;
        if (const int g = PickGroup(); g > 0) {
            const TElementGroup &group = document->Groups[std::size_t(g - 1)];
            const int pieces = GroupPieceCount(group);
            if (pieces == kPiecesPerGroup || (pieces > 0 && Element(e).Width != group.Pieces[0].Width))
                desktop.AnswerBox(Platform::Answer::Ok);
            QTest::mouseClick(document->Button1, Qt::LeftButton);
        }
    }
    void DeleteGroup()
    {
        if (const int g = PickGroup(); g > 0) {
            if (Count() + GroupPieceCount(document->Groups[std::size_t(g - 1)]) > kMaxElements)
                desktop.AnswerBox(Platform::Answer::Ok);
            QTest::keyClick(document->ListBox1, Qt::Key_Delete);
        }
    }
    void Band()
    {
        window->State().Settings.SetBandingInUse(true);
        PickRows(0);
        QTest::keyClick(document->SG1, Qt::Key(Qt::Key_1 + Random(0, 8)), Random(0, 1) ? Qt::ShiftModifier : Qt::NoModifier);
        window->State().Settings.SetBandingInUse(false);
    }
    void EditThroughDialog()
    {
        PickRows(0);
        WhenTheDialogShows([length = Random(100, 2000)](QWidget &dialog) {
            TypeAndEnter(QString::number(length));
            for (int i = 0; i < 10 && dialog.isVisible(); ++i)
                TypeAndEnter(QString()); // on through the fields to "Izmena"
        });
        window->MenuItem2->trigger();
    }
    void AddThroughDialog()
    {
        const bool clear = Random(0, 3) == 0;
        if (clear)
            desktop.AnswerBox(Platform::Answer::Yes);
        WhenTheDialogShows([clear, length = Random(100, 2000), width = 300 + 100 * Random(0, 1)](QWidget &dialog) {
            if (clear)
                static_cast<TForm2 &>(dialog).Clearallelements1->trigger();
            for (const QString &typed : {QString::number(length), QString::number(width), QString(), QString()})
                TypeAndEnter(typed); // the last Enter is "Dodaj elemente"
            dialog.close();
        });
        QTest::mouseClick(window->ToolButton10, Qt::LeftButton);
    }
    void MergeFromOpen()
    {
        // A list too full for the merge would open a window of its own.
        if (Count() + 2 > kMaxElements || GroupCount(document->Groups) == kGroupsPerDocument)
            return;
        desktop.AnswerOpen({QString::fromStdString(Path("dodatak.tab")), 0});
        desktop.AnswerBox(Platform::Answer::No);
        window->FileOpenItem->trigger();
    }

    std::mt19937 random{14};
};

TEST_F(RandomCommands, UndoingAllOf300CommandsGivesTheStartAndRedoingThemTheEnd)
{
    TElementGroups merged = NoGroups();
    merged[0].Pieces[0] = MakeElement(650, 300);
    ASSERT_EQ(WriteDatabaseFile(Path("dodatak.tab"), ListOf({MakeElement(700, 300), MakeElement(800, 400, 2)}),
                                merged, "", "", ""), rcOK);
    Stack().setUndoLimit(0); // every step of the run stays, to go back to the start
    const std::unique_ptr<ListSnapshot> start = ListsOf(*document);
    const std::vector<std::function<void()>> commands = {
        [&] { EnterRow(Random(100, 2000), 300 + 100 * Random(0, 1), Random(1, 3)); },
        [&] { Band(); },
        [&] { PickRows(2), QTest::keyClick(document->SG1, Qt::Key_Delete); },
        [&] { Multiply(window->Pomnozispisakelemenatasa1, 1, Count()); },
        [&] {
            const auto [first, last] = PickRows(2);
            Multiply(window->Pomnoziselektovaneelementesa1, first, last);
        },
        [&] { window->Spajanjeistihelemenata1->trigger(); },
        [&] { window->Sortiranjespiskapoduzini1->trigger(); },
        [&] { window->Postavinasveelemente1->trigger(); },
        [&] { window->Uklonisasvihelemenata1->trigger(); },
        [&] { window->Kontratexturanasvimelementima1->trigger(); },
        [&] { AddToSelectedGroup(); },
        [&] { PickRows(0), QTest::mouseClick(document->Button2, Qt::LeftButton); },
        [&] { DeleteGroup(); },
        [&] { EditThroughDialog(); },
        [&] { AddThroughDialog(); },
        [&] { MergeFromOpen(); },
    };
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        if (Count() == 0)
            EnterRow(Random(100, 2000), 300, 1);
        ASSERT_GT(Count(), 0);
        commands[std::size_t(Random(0, int(commands.size()) - 1))]();
    }
    ASSERT_EQ(window->Documents().size(), 1);
    std::set<QString> kinds; // a group's Delete is named with its line
    for (int i = 0; i < Stack().count(); ++i)
        kinds.insert(Stack().text(i).section(QLatin1Char('['), 0, 0));
    EXPECT_EQ(kinds.size(), commands.size()) << "every command made steps";
    const std::unique_ptr<ListSnapshot> end = ListsOf(*document);

    while (Stack().canUndo())
        window->EditUndoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *start));
    while (Stack().canRedo())
        window->EditRedoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *end));
}

TEST_F(Undo, CtrlZAfterDeleteBringsTheElementsBackAtTheirPlacesSelected)
{
    const std::unique_ptr<ListSnapshot> before = ListsOf(*document);
    SelectElements(2, 4);
    QTest::keyClick(document->SG1, Qt::Key_Delete);
    ASSERT_EQ(ElementCount(document->Elements), 2);
    QTest::keyClick(document->SG1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SameLists(*document, *before));
    EXPECT_EQ(document->SelectedElementRange(), std::make_pair(2, 4));
    EXPECT_EQ(document->CurrentElement(), 2);
    QTest::keyClick(document->SG1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ElementCount(document->Elements), 2) << "redone";
}

TEST_F(Undo, TheMenuNamesTheStepsOfTheActiveDocument)
{
    EXPECT_EQ(window->menuBar()->actions().at(1), window->Edit1->menuAction()) << "Edit follows File";
    EXPECT_EQ(window->EditUndoItem->statusTip(), QStringLiteral("Undo the last change of the list"));
    EXPECT_FALSE(window->EditUndoItem->isEnabled());
    window->Spajanjeistihelemenata1->trigger();
    window->Sortiranjespiskapoduzini1->trigger();
    window->Postavinasveelemente1->trigger();
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo Postavi na sve elemente"));
    EXPECT_FALSE(window->EditRedoItem->isEnabled());
    window->EditUndoItem->trigger();
    EXPECT_EQ(window->EditRedoItem->text(), QStringLiteral("&Redo Postavi na sve elemente"));
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo Sortiranje spiska po duzini"))
        << "merging the distinct elements changed nothing and made no step";

    TForm16 *other = window->NewDocument();
    EXPECT_FALSE(window->EditUndoItem->isEnabled()) << "a new document has nothing to undo";
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo"));
    ClientArea()->setActiveSubWindow(document);
    window->EditUndoItem->trigger();
    EXPECT_FALSE(window->EditUndoItem->isEnabled());
    EXPECT_EQ(other->Model().UndoStack()->count(), 0);
}

TEST_F(Undo, KeysInATextFieldTakeBackItsTypingNotTheList)
{
    window->Postavinasveelemente1->trigger();
    document->Edit1->setFocus();
    QTest::keyClicks(document->Edit1, QStringLiteral("123"));
    QTest::keyClick(document->Edit1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document->Edit1->text(), QString());
    QTest::keyClick(document->Edit1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(document->Edit1->text(), QStringLiteral("123"));
    EXPECT_EQ(Stack().index(), 1) << "the list kept its step";
    EXPECT_EQ(+document->Elements[0].Grain, 1);
}

TEST_F(Undo, UndoingBackToTheSavedListsClosesWithoutAQuestion)
{
    document->Model().SetTitle(QStringLiteral("kuhinja")); // an untitled list with elements always asks
    window->Postavinasveelemente1->trigger();
    document->Model().MarkSaved(QString());
    EXPECT_FALSE(document->isWindowModified());
    window->Uklonisasvihelemenata1->trigger();
    EXPECT_TRUE(document->isWindowModified());
    EXPECT_EQ(document->windowTitle(), QStringLiteral("kuhinja[*]"));
    EXPECT_EQ(document->Model().Title(), QStringLiteral("kuhinja"));

    window->EditUndoItem->trigger();
    EXPECT_FALSE(document->isWindowModified());
    EXPECT_TRUE(document->FormCloseQuery()) << "asks nothing: the list is the saved one";
    window->EditUndoItem->trigger();
    EXPECT_TRUE(document->isWindowModified());
    desktop.AnswerBox(Platform::Answer::No);
    EXPECT_FALSE(document->close());
    EXPECT_EQ(desktop.Boxes().size(), 1u);
}

TEST_F(Undo, The101stStepDropsTheOldest)
{
    window->Postavinasveelemente1->trigger();
    const std::unique_ptr<ListSnapshot> afterFirst = ListsOf(*document);
    for (int i = 0; i < 100; ++i)
        (i % 2 == 0 ? window->Uklonisasvihelemenata1 : window->Postavinasveelemente1)->trigger();
    EXPECT_EQ(Stack().count(), 100);
    while (Stack().canUndo())
        window->EditUndoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *afterFirst));
}

} // namespace
