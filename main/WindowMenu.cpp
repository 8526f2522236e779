#include "main/WindowMenu.h"

#include "document/Document.h"
#include "document/Unit16.h"
#include "main/DocumentManager.h"
#include "main/MAIN.h"
#include "platform/Hint.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

namespace {

QAction *WindowItem(QMenu *menu, const QString &caption, const QString &hint, const QKeySequence &shortCut,
                    QMdiArea &area, void (QMdiArea::*command)())
{
    QAction *action = menu->addAction(caption);
    SetHint(action, hint);
    action->setShortcut(shortCut);
    QObject::connect(action, &QAction::triggered, &area, command);
    return action;
}

// The documents after the separator, numbered for the keyboard from 1.
void ListDocuments(QMenu *menu, QAction *separator, QMdiArea &area, const DocumentManager &documents)
{
    const QList<QAction *> items = menu->actions();
    for (qsizetype i = items.indexOf(separator) + 1; i < items.size(); ++i)
        delete items[i]; // the list of the last opening
    int number = 0;
    for (TForm16 *document : documents.Documents()) {
        ++number;
        const QString accelerator = number < 10 ? QStringLiteral("&%1 ").arg(number) : QStringLiteral("%1 ").arg(number);
        QString title = document->Model().Title();
        QAction *item = menu->addAction(accelerator + title.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setCheckable(true);
        item->setChecked(document == documents.ActiveDocument());
        QObject::connect(item, &QAction::triggered, &area, [&area, window = QPointer<TForm16>(document)] {
            if (window)
                area.setActiveSubWindow(window);
        });
    }
    separator->setVisible(number > 0);
}

} // namespace

void BuildWindowMenu(TForm1 &frame, QMdiArea &area, const DocumentManager &documents)
{
    QMenu *menu = frame.Window1;
    frame.WindowCascadeItem = WindowItem(menu, QStringLiteral("&Kaskadno"), QStringLiteral("Kaskadno|Prozori jedan preko drugog"),
                                         QKeySequence(), area, &QMdiArea::cascadeSubWindows);
    frame.WindowTileItem = WindowItem(menu, QStringLiteral("&Poplocano"), QStringLiteral("Poplocano|Prozori jedan pored drugog"),
                                      QKeySequence(), area, &QMdiArea::tileSubWindows);
    frame.WindowNextItem = WindowItem(menu, QStringLiteral("&Sledeci"), QStringLiteral("Sledeci|Sledeci otvoreni prozor"),
                                      QKeySequence(Qt::CTRL | Qt::Key_F6), area, &QMdiArea::activateNextSubWindow);
    frame.WindowPreviousItem = WindowItem(menu, QStringLiteral("P&rethodni"),
                                          QStringLiteral("Prethodni|Prethodni otvoreni prozor"),
                                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), area,
                                          &QMdiArea::activatePreviousSubWindow);
    QAction *separator = menu->addSeparator();
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu, separator, &area, &documents] { ListDocuments(menu, separator, area, documents); });
    ListDocuments(menu, separator, area, documents);
}
