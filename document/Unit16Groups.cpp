// The document window's element groups: the group list, moving pieces into
// groups and giving them back.

#include "document/Unit16.h"

#include "common/ListAlgorithms.h"
#include "document/Document.h"
#include "platform/Platform.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kGroupLineHeight = 13;

QString GroupLine(int group, int pieces)
{
    return QStringLiteral("GRUPA [%1]: %2 elementa").arg(group).arg(pieces);
}

QString ListFullMessage()
{
    return QStringLiteral("Spisak elemenata je pun!");
}

} // namespace

void TForm16::ShowGroups()
{
    const int groups = GroupCount(Groups);
    int selected = ListBox1->currentRow();
    const bool rebuild = ListBox1->count() != groups;
    if (rebuild)
        ListBox1->clear();
    for (int g = 1; g <= groups; ++g) {
        const QString line = GroupLine(g, GroupPieceCount(Groups[static_cast<std::size_t>(g - 1)]));
        if (rebuild) {
            auto *item = new QListWidgetItem(line, ListBox1);
            item->setSizeHint(QSize(0, kGroupLineHeight));
        } else {
            ListBox1->item(g - 1)->setText(line);
        }
    }
    if (selected >= ListBox1->count())
        selected = ListBox1->count() - 1;
    ListBox1->setCurrentRow(selected);
}

void TForm16::AddToGroup(int e, int g)
{
    const int groupsInUse = GroupCount(Groups);
    if (e < 1 || e > ElementCount(Elements) || g < 0 || g > groupsInUse)
        return;
    if (g == 0 && groupsInUse == kGroupsPerDocument)
        return; // no room for a new group, and nothing to say about it
    const std::size_t groupSlot = static_cast<std::size_t>(g == 0 ? groupsInUse : g - 1);
    TElementGroups groups = Groups;
    TElementGroup &group = groups[groupSlot];
    const int pieces = GroupPieceCount(group);
    if (pieces == kPiecesPerGroup) {
        ShowGroupMessage(QStringLiteral("Nije moguce dodavanje elementa u selektovanu grupu"));
        return;
    }
    TElementList elements = Elements;
    TElement &element = elements[static_cast<std::size_t>(e - 1)];
    // The group's first piece gives the width every later piece must have.
    if (pieces > 0 && element.Width != group.Pieces[0].Width) {
        ShowGroupMessage(QStringLiteral("Sirina elementa ne odgovara osnovnoj dimenziji grupe!"));
        return;
    }
    group.Pieces[pieces] = element;
    group.Pieces[pieces].Count = 1;
    if (element.Count > 1) {
        element.Count = static_cast<std::uint16_t>(element.Count - 1);
    } else {
        // The element's last piece: it leaves the list as every removal does.
        TElementList taken;
        ClearList(taken);
        MoveElement(elements, taken, e);
    }
    m_document->Replace(elements, groups, g == 0 ? Button2->text() : Button1->text());
}

void TForm16::ReturnGroup(int g)
{
    const int groupsInUse = GroupCount(Groups);
    if (g < 1 || g > groupsInUse)
        return;
    // The group's pieces go back as a set of one group: all of them, or none
    // when the list has no room for them all.
    TElementGroups returning;
    ClearGroups(returning);
    returning[0] = Groups[static_cast<std::size_t>(g - 1)];
    TElementList elements = Elements;
    if (!DissolveGroups(elements, returning)) {
        ShowGroupMessage(ListFullMessage());
        return;
    }
    TElementGroups groups = Groups;
    std::copy(groups.begin() + g, groups.begin() + groupsInUse, groups.begin() + (g - 1));
    groups[static_cast<std::size_t>(groupsInUse - 1)] = TElementGroup{};
    // The step is named by the line the user deleted.
    const QString step = QStringLiteral("Brisanje ")
        + GroupLine(g, GroupPieceCount(Groups[static_cast<std::size_t>(g - 1)]));
    m_document->Replace(elements, groups, step);
}

void TForm16::UngroupAll()
{
    TElementList elements = Elements;
    TElementGroups groups = Groups;
    const bool dissolved = DissolveGroups(elements, groups);
    // Refused, nothing moved: the groups stay whole and are shown as they are.
    m_document->Replace(elements, groups, QStringLiteral("Vracanje grupa u spisak"));
    if (!dissolved)
        ShowGroupMessage(ListFullMessage());
}

void TForm16::Button1Click()
{
    const int e = CurrentElement();
    const int line = ListBox1->currentRow();
    if (e < 1 || line < 0)
        return;
    AddToGroup(e, line + 1);
}

void TForm16::Button2Click()
{
    const int e = CurrentElement();
    if (e < 1)
        return;
    AddToGroup(e, 0);
    ListBox1->setCurrentRow(ListBox1->count() - 1);
}

void TForm16::ListBox1KeyUp(const QKeyEvent &event)
{
    const int line = ListBox1->currentRow();
    if (event.isAutoRepeat() || event.key() != Qt::Key_Delete || line < 0)
        return;
    ReturnGroup(line + 1);
}

void TForm16::ShowGroupMessage(const QString &text)
{
    m_desktop.MessageBox(Platform::Icon::None, Platform::Buttons::Ok, text);
}
