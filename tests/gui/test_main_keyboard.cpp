// Commands from the keyboard: the frame's short cuts, also where a field claims
// their keys, the Prozor menu, the grid menu, the group list and the statistics
// panel. The walk through a whole list (test_main_walkthrough) uses the rest.

#include "test_main_fixture.h"

#include "common/Conversions.h"
#include "dialogs/Unit2.h"
#include "document/Unit16.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// A field claiming Ctrl+E and Ctrl+U for its own editing, as Qt's line edits
// do under X11 (the offscreen platform's do not).
class ClaimsEditingKeys : public QObject {
public:
    explicit ClaimsEditingKeys(QObject *field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_E || key == Qt::Key_U)
                event->accept();
        }
        return false;
    }
};

class Keyboard : public ShownWindowTest {
protected:
    // The title of the modal window `key` opens, closed again as soon as it shows.
    QString ModalOpenedBy(QKeyCombination key)
    {
        QString title;
        InModalWindow([key] { PressKey(key); }, [&title] {
            title = QApplication::activeModalWidget()->windowTitle();
            QApplication::activeModalWidget()->close();
        });
        GiveTheFrameTheKeyboard();
        return title;
    }
};

TEST_F(Keyboard, ProgramShortCutsWinInTheEntryRowsFields)
{
    TForm16 *document = window->NewDocument();
    ASSERT_EQ(QApplication::focusWidget(), document->Edit1);
    new ClaimsEditingKeys(document->Edit1);
    QTest::keyClicks(document->Edit1, QStringLiteral("600"));
    PressKey(Qt::CTRL | Qt::Key_U);
    EXPECT_EQ(state.Settings.Unit(), UnitCm) << "the unit switched";
    EXPECT_EQ(document->Edit1->text(), QStringLiteral("600")) << "the field did not delete its text";
    PressKey(Qt::CTRL | Qt::Key_U);
    EXPECT_EQ(state.Settings.Unit(), UnitMm);
    EXPECT_EQ(ModalOpenedBy(Qt::CTRL | Qt::Key_E), QStringLiteral("Unosenje novih elemenata"));
    document->Edit2->setFocus(); // the customer's name
    EXPECT_EQ(ModalOpenedBy(Qt::Key_F1), QStringLiteral("Informacije o programu"));
}

TEST_F(Keyboard, TheProzorMenuArrangesStepsAndListsTheWindows)
{
    TForm16 *first = window->NewDocument();
    TForm16 *second = window->NewDocument();
    PressKey(Qt::CTRL | Qt::Key_F6);
    EXPECT_EQ(window->ActiveDocument(), first);
    PressKey(Qt::CTRL | Qt::SHIFT | Qt::Key_F6);
    EXPECT_EQ(window->ActiveDocument(), second);

    QStringList listed;
    QTimer::singleShot(0, window->Window1, [&] {
        const QList<QAction *> items = window->Window1->actions();
        for (QAction *item : items.mid(items.size() - 2))
            listed << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
        items.at(items.size() - 2)->trigger(); // the first window
        window->Window1->close();
    });
    window->Window1->exec();
    EXPECT_EQ(listed, QStringList({QStringLiteral("&1 Untitled 1"), QStringLiteral("&2 Untitled 2 *")}));
    EXPECT_EQ(window->ActiveDocument(), first);

    window->WindowTileItem->trigger();
    EXPECT_NE(first->geometry().topLeft(), second->geometry().topLeft());
}

// Shift+F10 opens it too (the walk through the whole list prints from it).
TEST_F(Keyboard, TheMenuKeyOpensTheGridMenuAtTheCurrentRow)
{
    TForm16 *document = window->NewDocument();
    SetElementList(*document, ListOf({MakeElement(500, 300), MakeElement(400, 200)}));
    document->SetCurrentRow(3);
    QPoint shownAt;
    InModalWindow([document] {
        // What the desktop makes of the Menu key: a keyboard context menu event for the focused widget.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(document->SG1, &menuKey);
    }, [&] {
        shownAt = QApplication::activePopupWidget()->pos();
        QApplication::activePopupWidget()->close();
    });
    const QRect row = document->SG1->visualRect(document->SG1->currentIndex());
    EXPECT_EQ(shownAt, document->SG1->viewport()->mapToGlobal(row.center()));
}

TEST_F(Keyboard, AnEmptyGroupListShowsAFocusFrameWhenItHasTheFocus)
{
    TForm16 *document = window->NewDocument();
    const QImage unfocused = document->ListBox1->viewport()->grab().toImage();
    document->ListBox1->setFocus();
    ASSERT_TRUE(document->ListBox1->hasFocus());
    EXPECT_NE(document->ListBox1->viewport()->grab().toImage(), unfocused);
}

TEST_F(Keyboard, TheStatisticsPanelKeepsTheKeyboardOnItsButton)
{
    window->NewDocument();
    WhenTheDialogShows([](QWidget &dialog) {
        auto &form = static_cast<TForm2 &>(dialog);
        form.Databaseproperties1->trigger();
        EXPECT_EQ(QApplication::focusWidget(), form.Button3);
        for (const QKeyCombination key : {QKeyCombination(Qt::Key_Tab), Qt::SHIFT | Qt::Key_Backtab}) {
            PressKey(key);
            EXPECT_EQ(QApplication::focusWidget(), form.Button3) << key.key();
        }
        PressKey(Qt::Key_Return); // closes the panel; its key-up comes in the length field
        EXPECT_FALSE(form.Panel1->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), form.Duzina);
        TypeAndEnter(QStringLiteral("120"));
        EXPECT_EQ(form.Duzina->text(), QStringLiteral("120"));
        dialog.close();
    });
    window->ElementsNewItem->trigger();
}

} // namespace
