// The document window's element groups: the group list, moving pieces into
// groups and giving them back.

#include "document/Unit16.h"

#include "common/ListAlgorithms.h"
#include "common/ListEdits.h"
#include "document/Document.h"
#include "platform/Platform.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>


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
    TElementList elements = Elements;
    TElementGroups groups = Groups;
    switch (MovePieceToGroup(elements, groups, e, g)) {
    case ListEditResult::Done:
        m_document->Replace(elements, groups, g == 0 ? Button2->text() : Button1->text());
        break;
    case ListEditResult::GroupFull:
        ShowGroupMessage(QStringLiteral("Nije moguce dodavanje elementa u selektovanu grupu"));
        break;
    case ListEditResult::WidthMismatch:
        ShowGroupMessage(QStringLiteral("Sirina elementa ne odgovara osnovnoj dimenziji grupe!"));
        break;
    case ListEditResult::NoPieces:
        // Only a file can hold an element of 0 pieces; it has none to give.
        ShowGroupMessage(QStringLiteral("Element nema nijedan komad za grupu!"));
        break;
    default:
        break; // no such element or group, or no room for a new group: nothing to say
    }
}

void TForm16::ReturnGroup(int g)
{
    if (g < 1 || g > GroupCount(Groups))
        return;
    // The step is named by the line the user deleted.
    const QString step = QStringLiteral("Brisanje ")
        + GroupLine(g, GroupPieceCount(Groups[static_cast<std::size_t>(g - 1)]));
    TElementList elements = Elements;
    TElementGroups groups = Groups;
    if (ReturnGroupToList(elements, groups, g) == ListEditResult::ListFull) {
        ShowGroupMessage(ListFullMessage());
        return;
    }
    m_document->Replace(elements, groups, step);
}

void TForm16::UngroupAll()
{
    TElementList elements = Elements;
    TElementGroups groups = Groups;
    const ListEditResult result = ReturnAllGroups(elements, groups);
    // Refused, nothing moved: the groups stay whole and are shown as they are.
    m_document->Replace(elements, groups, QStringLiteral("Vracanje grupa u spisak"));
    if (result == ListEditResult::ListFull)
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
