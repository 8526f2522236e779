// The main window's document commands: new, close, exit, delete, the colour
// commands and the refresh of every document.

#include "test_main_fixture.h"

#include "common/Conversions.h"
#include "common/ProgramState.h"
#include "document/Unit16.h"
#include "document/UnitLabel.h"
#include "platform/Colours.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <map>
#include <ostream>
#include <vector>

namespace {

void Fill(TForm16 &document, int count)
{
    TElementList list = document.Elements;
    for (int i = 1; i <= count; ++i)
        list[std::size_t(i - 1)] = MakeElement(100 * i, 10 * i);
    SetElementList(document, list);
}

QStringList Titles(const TForm1 &window)
{
    QStringList titles;
    for (const TForm16 *document : window.Documents())
        titles << document->Model().Title();
    return titles;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) : QObject(widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

const QString kCloseQuestion = QStringLiteral("Baza podataka \"Untitled 2\" nije sacuvana.\r"
                                              "Ako je zatvorite podaci koje ste uneli ce biti trajno izbrisani.\r"
                                              "Da li ste sigurni da zelite da zatvorite ovu bazu ?");

using DocumentCommands = ShownWindowTest;

} // namespace

TEST_F(DocumentCommands, NewDocumentsAreNumberedByTheUntitledWindowsOpen)
{
    TForm16 *first = window->NewDocument();
    window->NewDocument();
    EXPECT_EQ(Titles(*window), QStringList({QStringLiteral("Untitled 1"), QStringLiteral("Untitled 2")}));

    ASSERT_TRUE(first->close());
    window->NewDocument();
    EXPECT_EQ(Titles(*window), QStringList({QStringLiteral("Untitled 2"), QStringLiteral("Untitled 2")}));

    // Only titles that begin with the eight letters count, in any case.
    window->Documents()[0]->Model().SetTitle(QStringLiteral("Kuhinja"));
    window->Documents()[1]->Model().SetTitle(QStringLiteral("untitled9"));
    window->NewDocument();
    EXPECT_EQ(window->Documents().last()->Model().Title(), QStringLiteral("Untitled 2"));
    window->Documents()[0]->Model().SetTitle(QStringLiteral("Untitle"));
    window->NewDocument();
    EXPECT_EQ(window->Documents().last()->Model().Title(), QStringLiteral("Untitled 3"));
}

TEST_F(DocumentCommands, NewDocumentBecomesActiveWithTheFocusInTheEntryRow)
{
    window->NewDocument();
    TForm16 *document = window->NewDocument();

    EXPECT_EQ(window->ActiveDocument(), document);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == document->Edit1; }));
    EXPECT_TRUE(document->Edit2->text().isEmpty());
    EXPECT_TRUE(document->Edit3->text().isEmpty());
    EXPECT_TRUE(document->Edit4->text().isEmpty());
    // A new document counts as saved: it closes without a question.
    EXPECT_TRUE(document->close());
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(DocumentCommands, NewDocumentReadsTheBoardTableAgain)
{
    TBoardTable table{};
    table[0].Length = 2800;
    table[0].Width = 2070;
    WriteAll(Path(kBoardTableFileName), std::string(reinterpret_cast<const char *>(table.data()), sizeof(TBoardType)));
    ASSERT_EQ(BoardTypeCount(window->State().BoardTypes), 0);

    window->FileNewItem->trigger();

    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 1);
    EXPECT_EQ(window->Documents().size(), 1);
}

TEST_F(DocumentCommands, ToolButtonCreatesADocumentToo)
{
    QTest::mouseClick(window->ToolButton13, Qt::LeftButton);
    EXPECT_EQ(Titles(*window), QStringList({QStringLiteral("Untitled 1")}));
}

TEST_F(DocumentCommands, CloseClosesTheActiveDocumentOnly)
{
    window->NewDocument();
    TForm16 *second = window->NewDocument();
    Fill(*second, 2);

    desktop.AnswerBox(Platform::Answer::No);
    window->FileCloseItem->trigger();
    EXPECT_EQ(window->Documents().size(), 2);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, kCloseQuestion);

    desktop.AnswerBox(Platform::Answer::Yes);
    window->FileCloseItem->trigger();
    EXPECT_EQ(Titles(*window), QStringList({QStringLiteral("Untitled 1")}));
}

TEST_F(DocumentCommands, CloseWithoutDocumentsDoesNothing)
{
    window->FileCloseItem->trigger();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DocumentCommands, ExitAsksTopmostFirstAndStopsAtTheFirstRefusal)
{
    TForm16 *empty = window->NewDocument();
    TForm16 *second = window->NewDocument();
    Fill(*second, 3);
    TForm16 *third = window->NewDocument();
    Fill(*third, 2);
    ClientArea()->setActiveSubWindow(second); // now on top

    desktop.AnswerBox(Platform::Answer::No);
    window->FileExitItem->trigger();

    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(desktop.Boxes().size(), 1u) << "after a refusal nobody else is asked";
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Warning);
    EXPECT_EQ(desktop.Boxes()[0].buttons, Platform::Buttons::YesNo);
    EXPECT_EQ(desktop.Boxes()[0].text, kCloseQuestion);
    EXPECT_EQ(window->Documents(), QList<TForm16 *>({empty, second, third}));
    EXPECT_EQ(ElementCount(second->Elements), 3);

    desktop.AnswerBox(Platform::Answer::Yes);
    desktop.AnswerBox(Platform::Answer::Yes);
    window->FileExitItem->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->Documents().isEmpty());
    ASSERT_EQ(desktop.Boxes().size(), 3u);
    EXPECT_EQ(desktop.Boxes()[1].text, kCloseQuestion);
    EXPECT_TRUE(desktop.Boxes()[2].text.contains(QStringLiteral("\"Untitled 3\"")));
}

TEST_F(DocumentCommands, ARefusedExitClosesNoDocumentEvenThoseAlreadyAnswered)
{
    TForm16 *first = window->NewDocument();
    Fill(*first, 2);
    TForm16 *empty = window->NewDocument();
    TForm16 *third = window->NewDocument();
    Fill(*third, 1);

    desktop.AnswerBox(Platform::Answer::Yes); // "Untitled 3", on top
    desktop.AnswerBox(Platform::Answer::No);  // "Untitled 1"; the empty one is not asked
    window->FileExitItem->trigger();

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Documents(), QList<TForm16 *>({first, empty, third}));
    ASSERT_EQ(desktop.Boxes().size(), 2u);
    for (const ScriptedPlatform::ShownBox &box : desktop.Boxes())
        EXPECT_EQ(box.defaultButton, Platform::Answer::No) << "Enter must not drop a list";
}

TEST_F(DocumentCommands, CtrlF4ClosesTheActiveDocumentWithItsQuestion)
{
    window->NewDocument();
    Fill(*window->NewDocument(), 1);
    desktop.AnswerBox(Platform::Answer::No);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(window->Documents().size(), 2);
    desktop.AnswerBox(Platform::Answer::Yes);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(Titles(*window), QStringList({QStringLiteral("Untitled 1")}));
}

TEST_F(DocumentCommands, AMaximisedDocumentShowsInTheFramesCaptionAlone)
{
    window->NewDocument()->showMaximized();
    // Qt shows the placeholder as "*" while the maximised document is changed, else as nothing.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Morvena - [Untitled 1[*]]"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(DocumentCommands, TheFrameGoesWithItsDocumentsWhileTheStateLivesOn)
{
    Fill(*window->NewDocument(), 3);
    window->NewDocument()->showMaximized();
    window.reset(); // the sanitized build reports any use of freed memory here
    EXPECT_EQ(state.Settings.Unit(), TestSettings().Unit());
}

TEST_F(DocumentCommands, ExitWithoutDocumentsClosesAtOnce)
{
    window->FileExitItem->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DocumentCommands, DeleteRemovesTheSelectedRowsOfTheActiveDocument)
{
    TForm16 *other = window->NewDocument();
    Fill(*other, 5);
    TForm16 *document = window->NewDocument();
    Fill(*document, 5);
    // Grid rows 3..4 show elements 2..3.
    QAbstractItemModel *model = document->SG1->model();
    document->SG1->selectionModel()->select(
        QItemSelection(model->index(3, 0), model->index(4, model->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);

    window->MenuItem1->trigger();

    ASSERT_EQ(ElementCount(document->Elements), 3);
    // Packed fields are compared by value.
    const std::vector<std::int32_t> lengths{document->Elements[0].Length, document->Elements[1].Length,
                                            document->Elements[2].Length, document->Elements[3].Length};
    EXPECT_EQ(lengths, (std::vector<std::int32_t>{100, 400, 500, 0}));
    EXPECT_EQ(document->SG1->currentIndex().row(), 1);
    EXPECT_EQ(ElementCount(other->Elements), 5);
}

TEST_F(DocumentCommands, DeleteWithoutDocumentsDoesNothing)
{
    window->MenuItem1->trigger();
    window->Obrisielemente1Click();
    EXPECT_TRUE(window->Documents().isEmpty());
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(DocumentCommands, RefreshDocumentsRefillsEveryGrid)
{
    TForm16 *first = window->NewDocument();
    TForm16 *second = window->NewDocument();
    Fill(*first, 1);
    Fill(*second, 3);
    const auto lengthShown = [](const TForm16 *document, int row) {
        const QAbstractItemModel *model = document->SG1->model();
        return model->data(model->index(row, 1)).toString();
    };
    ASSERT_EQ(lengthShown(first, 2), QStringLiteral("100"));
    // A unit switched behind the grids' backs shows only once they are refilled.
    state.Settings.SetUnit(UnitCm);
    state.UnitFactor = UnitFactorOf(UnitCm);

    window->RefreshDocuments();

    EXPECT_EQ(lengthShown(first, 2), QStringLiteral("10.0"));
    EXPECT_EQ(lengthShown(second, 4), QStringLiteral("30.0"));
}

namespace {

enum class Refresh { Documents, MainWindow };

struct ColourCase {
    const char *name;
    QAction *TForm1::*item;
    std::size_t offset;
    Refresh refresh;
};

void PrintTo(const ColourCase &colourCase, std::ostream *out)
{
    *out << colourCase.name;
}

class ColourCommandTest : public DocumentCommands, public ::testing::WithParamInterface<ColourCase> {};

} // namespace

TEST_P(ColourCommandTest, StoresTheChosenColourAndRepaints)
{
    TForm16 *first = window->NewDocument();
    TForm16 *second = window->NewDocument();
    const QList<TForm16 *> documents{first, second};
    std::map<TForm16 *, PaintCounter *> grids;
    std::map<TForm16 *, PaintCounter *> unitLabels; // they draw in the selection's colour
    for (TForm16 *document : documents) {
        grids[document] = new PaintCounter(document->SG1->viewport()); // owned by the viewport
        unitLabels[document] = new PaintCounter(document->PaintBox1);
    }
    // Side by side, both grids can be seen. Once they have painted, a synchronous
    // repaint of the frame flushes whatever was still due, so that later paints
    // come from the command.
    ClientArea()->tileSubWindows();
    ASSERT_TRUE(QTest::qWaitFor([&] { return grids[first]->count > 0 && grids[second]->count > 0; }));
    window->repaint();
    for (auto *counters : {&grids, &unitLabels}) {
        for (auto &[document, counter] : *counters)
            counter->count = 0;
    }

    const std::uint32_t before = window->State().Settings.get<std::uint32_t>(GetParam().offset);
    const QColor chosen(0x12, 0x34, 0x56);
    desktop.AnswerColour(chosen);
    (window.get()->*GetParam().item)->trigger();

    ASSERT_EQ(desktop.ColourDialogs().size(), 1u);
    EXPECT_EQ(desktop.ColourDialogs()[0], ColourFromWindows(before));
    EXPECT_EQ(window->State().Settings.get<std::uint32_t>(GetParam().offset), 0x00563412u);
    if (GetParam().refresh == Refresh::Documents) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return grids[first]->count > 0 && grids[second]->count > 0; }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return unitLabels[first]->count > 0 && unitLabels[second]->count > 0; }));
    } else {
        EXPECT_EQ(ClientArea()->background().color(), chosen);
    }
    if (GetParam().offset == SettingsOffset::ControlColour) {
        for (TForm16 *document : documents)
            EXPECT_EQ(document->Edit1->palette().color(QPalette::Base), chosen);
    }
}

TEST_P(ColourCommandTest, CancelChangesNothing)
{
    window->NewDocument();
    const TSettings before = window->State().Settings;
    const QBrush background = ClientArea()->background();

    desktop.AnswerColour(std::nullopt);
    (window.get()->*GetParam().item)->trigger();

    EXPECT_EQ(desktop.ColourDialogs().size(), 1u);
    EXPECT_EQ(Bytes(window->State().Settings), Bytes(before));
    EXPECT_EQ(ClientArea()->background(), background);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ColourCommandTest,
    ::testing::Values(
        ColourCase{"SelectedText", &TForm1::Selektovanitekst1, SettingsOffset::SelectedTextColour, Refresh::Documents},
        ColourCase{"SelectedBack", &TForm1::Pozadinaselteksta1, SettingsOffset::SelectedBackColour, Refresh::Documents},
        ColourCase{"Controls", &TForm1::Pozadinakontrola1, SettingsOffset::ControlColour, Refresh::Documents},
        ColourCase{"MainWindow", &TForm1::Pozadinaglavnogprozora1, SettingsOffset::MainColour, Refresh::MainWindow}),
    [](const ::testing::TestParamInfo<ColourCase> &info) { return std::string(info.param.name); });
