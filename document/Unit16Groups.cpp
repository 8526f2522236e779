// The document window's group list.

#include "document/Unit16.h"

#include "common/ListAlgorithms.h"

#include <QListWidget>

namespace {

constexpr int kGroupLineHeight = 13;

QString GroupLine(int group, int pieces)
{
    return QStringLiteral("GRUPA [%1]: %2 elementa").arg(group).arg(pieces);
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

void TForm16::UngroupAll()
{
    // DissolveGroups refuses as a whole when the list has no room for every
    // piece; the groups then stay intact and visible.
    TElementList elements = Elements;
    TElementGroups groups = Groups;
    DissolveGroups(elements, groups);
    ReplaceLists(elements, groups);
}
