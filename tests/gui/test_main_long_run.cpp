// One document window driven through a long run of random commands, as a user
// would give them, from a fixed seed: after each the lists keep their
// invariants, every box is one the run expected and answered, and a saved file
// reads back, and reopens, as the list that was saved.

#include "test_main_fixture.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/SameBytes.h"
#include "document/ElementTableModel.h"
#include "document/Unit16.h"
#include "document/UnitLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>
#include <string>

namespace {

struct Lists {
    TElementList Elements;
    TElementGroups Groups;
};

Lists NoLists()
{
    Lists lists;
    ClearList(lists.Elements);
    ClearGroups(lists.Groups);
    return lists;
}

bool Same(const Lists &a, const TElementList &elements, const TElementGroups &groups)
{
    return SameBytes(a.Elements, elements) && SameBytes(a.Groups, groups);
}

bool AllZero(const void *bytes, std::size_t size)
{
    const auto *p = static_cast<const std::uint8_t *>(bytes);
    return std::all_of(p, p + size, [](std::uint8_t b) { return b == 0; });
}

// What a UNIDTA file keeps of an element.
TElement Universal(const TElement &e)
{
    TElement kept = ZeroElement();
    kept.Length = e.Length;
    kept.Width = e.Width;
    kept.LengthBanding = e.LengthBanding;
    kept.WidthBanding = e.WidthBanding;
    kept.Aux1 = e.Aux1;
    kept.Aux2 = e.Aux2;
    kept.Aux3 = e.Aux3;
    kept.Aux4 = e.Aux4;
    kept.AuxByte1 = e.AuxByte1;
    kept.AuxByte2 = e.AuxByte2;
    kept.AuxByte3 = e.AuxByte3;
    kept.Grain = e.Grain;
    kept.Count = e.Count;
    kept.Label.assign(e.Label.str().substr(0, 15));
    return kept;
}

// What a save of the lists to `name` reads back as.
Lists SavedForm(const std::string &name, const TElementList &elements, const TElementGroups &groups)
{
    Lists saved = NoLists();
    const bool universal = IsUniversalFileName(name);
    int next = 0;
    for (int i = 0; i < ElementCount(elements); ++i) {
        const TElement &e = elements[static_cast<std::size_t>(i)];
        if (universal)
            saved.Elements[static_cast<std::size_t>(next++)] = Universal(e);
        else if (e.SkipMark == 0)
            saved.Elements[static_cast<std::size_t>(next++)] = e;
    }
    if (!universal)
        saved.Groups = groups;
    return saved;
}

enum class Command {
    Type, Banding, Delete, UnitSwitch, NewGroup, AddToGroup, ReturnGroup, Merge, Sort, Multiply,
    MultiplySelected, CounterGrain, GrainOnAll, Save, Open, Close,
};

// How often each command comes, out of the sum.
const std::vector<std::pair<Command, int>> kCommandWeights = {
    {Command::Type, 30},         {Command::Banding, 10},   {Command::Delete, 5},
    {Command::UnitSwitch, 3},    {Command::NewGroup, 6},   {Command::AddToGroup, 6},
    {Command::ReturnGroup, 4},   {Command::Merge, 3},      {Command::Sort, 3},
    {Command::Multiply, 3},      {Command::MultiplySelected, 3}, {Command::CounterGrain, 3},
    {Command::GrainOnAll, 2},    {Command::Save, 6},       {Command::Open, 4},
    {Command::Close, 2},
};

class LongRun : public MainWindowTest {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        TSettings settings = TestSettings();
        settings.SetBandingInUse(true);
        settings.SetGroupPanel(true);
        WriteSettings(settings);
        ShowWindow();
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }

    int Random(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    Command NextCommand()
    {
        int total = 0;
        for (const auto &weighted : kCommandWeights)
            total += weighted.second;
        int pick = Random(1, total);
        for (const auto &weighted : kCommandWeights) {
            pick -= weighted.second;
            if (pick <= 0)
                return weighted.first;
        }
        return Command::Type;
    }

    int Count() const { return ElementCount(m_document->Elements); }
    // A random element made current, 1-based; 0 when the list is empty.
    int PickElement()
    {
        if (Count() == 0)
            return 0;
        const int e = Random(1, Count());
        m_document->SetCurrentRow(e + 1);
        return e;
    }
    void ExpectBox() { ++m_boxes; }
    void Answer(Platform::Answer answer)
    {
        desktop.AnswerBox(answer);
        ExpectBox();
    }

    void NewDocument()
    {
        m_document = window->NewDocument();
        m_saved = NoLists();
        m_titled = false;
    }
    void Type()
    {
        if (Count() >= 700)
            return; // the groups must always fit back into the list
        const bool centimetres = state.Settings.Unit() == 2;
        const int largest = centimetres ? 280 : 2800;
        const QString values[] = {QString::number(Random(5, largest)), QString::number(Random(5, largest)),
                                  QString::number(Random(1, 9))};
        QLineEdit *const edits[] = {m_document->Edit1, m_document->Edit5, m_document->Edit6};
        for (int i = 0; i < 3; ++i) {
            edits[i]->clear();
            QTest::keyClicks(edits[i], values[i]);
            QTest::keyClick(edits[i], Qt::Key_Return);
        }
        // With the grain box in sight, Enter on it adds the element; sometimes ticked.
        if (!m_document->CheckBox1->isHidden()) {
            if (Random(0, 3) == 0)
                QTest::keyClick(m_document->CheckBox1, Qt::Key_Space);
            QTest::keyClick(m_document->CheckBox1, Qt::Key_Return);
        }
    }
    void Banding()
    {
        if (PickElement() == 0)
            return;
        const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6};
        QTest::keyClick(m_document->SG1, digits[Random(0, 5)], Random(0, 1) ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void Delete()
    {
        if (PickElement() == 0)
            return;
        if (Random(0, 1))
            QTest::keyClick(m_document->SG1, Qt::Key_Down, Qt::ShiftModifier);
        window->Obrisielemente1Click();
    }
    void UnitSwitch()
    {
        QTest::mouseDClick(m_document->PaintBox1, Qt::LeftButton);
        QTest::mouseRelease(m_document->PaintBox1, Qt::LeftButton);
    }
    void PickGroupLine()
    {
        const int groups = GroupCount(m_document->Groups);
        m_document->ListBox1->setCurrentRow(groups == 0 ? -1 : Random(0, groups - 1));
    }
    void AddToGroup(bool newGroup)
    {
        const int e = PickElement();
        if (newGroup) {
            QTest::mouseClick(m_document->Button2, Qt::LeftButton);
            return;
        }
        PickGroupLine();
        const int line = m_document->ListBox1->currentRow();
        if (e > 0 && line >= 0) {
            // A full group, or a piece of another width, is refused in a plain box.
            const TElementGroup &group = m_document->Groups[static_cast<std::size_t>(line)];
            const int pieces = GroupPieceCount(group);
            if (pieces == kPiecesPerGroup
                || group.Pieces[0].Width != m_document->Elements[static_cast<std::size_t>(e - 1)].Width)
                Answer(Platform::Answer::Ok);
        }
        QTest::mouseClick(m_document->Button1, Qt::LeftButton);
    }
    void ReturnGroup()
    {
        PickGroupLine();
        QTest::keyClick(m_document->ListBox1, Qt::Key_Delete);
    }
    void Multiply(bool selected)
    {
        const int e = selected ? PickElement() : 0;
        const int first = selected ? e : 1;
        const int last = selected ? e : Count();
        if (first < 1 || last < first)
            return; // nothing to multiply: no box
        const int factor = Random(2, 3);
        desktop.AnswerInput(QString::number(factor));
        ++m_inputs;
        for (int i = first; i <= last; ++i) {
            if (m_document->Elements[static_cast<std::size_t>(i - 1)].Count * factor > kMaxCount) {
                Answer(Platform::Answer::Ok);
                break;
            }
        }
        if (selected)
            window->Pomnoziselektovaneelementesa1Click();
        else
            window->Pomnozispisakelemenatasa1Click();
    }
    void Save()
    {
        if (Count() == 0)
            return;
        const std::string name = Path(Random(0, 1) ? "DATA/a.tab" : "DATA/b.tun");
        desktop.AnswerSave({QString::fromStdString(name), 0});
        if (m_files.count(name) > 0)
            Answer(Platform::Answer::Yes); // replace it
        if (IsUniversalFileName(name)
            && UniversalFileLoses(DatabaseContents{m_document->Elements, m_document->Groups, {}}))
            Answer(Platform::Answer::Yes); // what ".tun" does not keep is dropped
        window->SaveDatabase();
        Lists read = NoLists();
        TDatabaseHeader header;
        ASSERT_EQ(ReadDatabaseFile(name, read.Elements, read.Groups, header), rcOK);
        const Lists expected = SavedForm(name, m_document->Elements, m_document->Groups);
        ASSERT_TRUE(Same(read, expected.Elements, expected.Groups)) << name << " reads back another list";
        m_files[name] = read;
        m_saved = read;
        m_titled = true;
    }
    void Open()
    {
        if (m_files.empty())
            return;
        auto file = m_files.begin();
        std::advance(file, Random(0, static_cast<int>(m_files.size()) - 1));
        const QString name = QString::fromStdString(file->first);
        if (m_document == nullptr) {
            window->OpenDatabase(name, false);
            ASSERT_EQ(window->Documents().size(), 1);
            m_document = window->Documents().front();
            ASSERT_TRUE(Same(file->second, m_document->Elements, m_document->Groups))
                << file->first << " reopens as another list";
            m_saved = file->second;
            m_titled = true;
            return;
        }
        // Into the open window, when both lists fit with room for every group
        // piece to come back: merging is the answer No.
        if (Count() + ElementCount(file->second.Elements) > kMaxElements - kGroupsPerDocument * kPiecesPerGroup
            || GroupCount(m_document->Groups) + GroupCount(file->second.Groups) > kGroupsPerDocument)
            return;
        Answer(Platform::Answer::No);
        window->OpenDatabase(name, true);
    }
    void Close()
    {
        const bool untitledWithElements = !m_titled && Count() > 0;
        const bool asks = untitledWithElements || !Same(m_saved, m_document->Elements, m_document->Groups);
        const bool yes = Random(0, 2) == 0;
        if (asks)
            Answer(yes ? Platform::Answer::Yes : Platform::Answer::No);
        window->FileCloseItemClick();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!asks || yes) {
            ASSERT_TRUE(window->Documents().isEmpty()) << "the document did not close";
            m_document = nullptr;
        }
    }

    void Run(Command command)
    {
        if (m_document == nullptr && command != Command::Open) {
            NewDocument();
            return;
        }
        switch (command) {
        case Command::Type: Type(); break;
        case Command::Banding: Banding(); break;
        case Command::Delete: Delete(); break;
        case Command::UnitSwitch: UnitSwitch(); break;
        case Command::NewGroup: AddToGroup(true); break;
        case Command::AddToGroup: AddToGroup(false); break;
        case Command::ReturnGroup: ReturnGroup(); break;
        case Command::Merge: window->Spajanjeistihelemenata1Click(); break;
        case Command::Sort: window->Sortiranjespiskapoduzini1Click(); break;
        case Command::Multiply: Multiply(false); break;
        case Command::MultiplySelected: Multiply(true); break;
        case Command::CounterGrain: window->Kontratexturanasvimelementima1Click(); break;
        case Command::GrainOnAll:
            Random(0, 1) ? window->Postavinasveelemente1Click() : window->Uklonisasvihelemenata1Click();
            break;
        case Command::Save: Save(); break;
        case Command::Open: Open(); break;
        case Command::Close: Close(); break;
        }
    }

    void ExpectInvariants()
    {
        ASSERT_EQ(desktop.Boxes().size(), m_boxes) << "a box the run did not expect, or one it expected missing";
        ASSERT_EQ(desktop.Inputs().size(), m_inputs);
        ASSERT_LE(window->Documents().size(), 1);
        if (m_document == nullptr)
            return;
        const int elements = Count();
        const int groups = GroupCount(m_document->Groups);
        ASSERT_LE(elements, kMaxElements);
        ASSERT_LE(groups, kGroupsPerDocument);
        ASSERT_TRUE(AllZero(m_document->Elements.data() + elements, (kMaxElements - elements) * sizeof(TElement)))
            << "a slot after the last element is not zero";
        for (int g = 0; g < groups; ++g) {
            const TElementGroup &group = m_document->Groups[static_cast<std::size_t>(g)];
            const int pieces = GroupPieceCount(group);
            ASSERT_TRUE(AllZero(group.Pieces + pieces, (kPiecesPerGroup - pieces) * sizeof(TElement)));
            for (int p = 1; p < pieces; ++p)
                ASSERT_EQ(+group.Pieces[p].Width, +group.Pieces[0].Width) << "a group holds pieces of two widths";
        }
        ASSERT_TRUE(AllZero(m_document->Groups.data() + groups, (kGroupsPerDocument - groups) * sizeof(TElementGroup)))
            << "a group after the last one is not zero";
        ASSERT_EQ(m_document->SG1->model()->rowCount(), elements + kFirstElementRow) << "the grid shows another list";
        ASSERT_EQ(m_document->ListBox1->count(), groups) << "the group list shows other groups";
    }

    std::mt19937 m_random{20261208};
    TForm16 *m_document = nullptr;
    Lists m_saved = NoLists(); // what the close question compares with
    bool m_titled = false;
    std::map<std::string, Lists> m_files; // each saved file, as it reads back
    std::size_t m_boxes = 0;
    std::size_t m_inputs = 0;
};

TEST_F(LongRun, TwoThousandRandomCommandsKeepTheListWholeAndEverySaveReopens)
{
    std::map<Command, int> given;
    for (int step = 0; step < 2000; ++step) {
        const Command command = NextCommand();
        SCOPED_TRACE("command " + std::to_string(step) + ": " + std::to_string(static_cast<int>(command)));
        ASSERT_NO_FATAL_FAILURE(Run(command));
        ASSERT_NO_FATAL_FAILURE(ExpectInvariants());
        ++given[command];
    }
    // The run went everywhere: every command came up, files were saved and reopened.
    EXPECT_EQ(given.size(), kCommandWeights.size());
    EXPECT_EQ(m_files.size(), 2u);
}

} // namespace
