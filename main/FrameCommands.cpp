#include "main/FrameCommands.h"

#include "main/MAIN.h"
#include "main/ToolPictures.h"
#include "platform/Hint.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

const QSize kToolButtonSize(28, 25);
const QSize kToolPictureSize(21, 19);

struct FrameCommand {
    enum class Place { FileMenu, ElementsMenu, HelpMenu, ToolBar3, ToolBar1 };

    Place place;
    const char *name;
    const char *caption;  // menu items only
    ToolPicture picture;  // tool buttons only
    const char *hint;
    QKeyCombination shortCut;
    QAction *TForm1::*menuItem;
    QToolButton *TForm1::*toolButton;
    void (*handler)(TForm1 &); // null: no command yet
    bool separatorBefore;
};

using Place = FrameCommand::Place;
constexpr QKeyCombination kNoKey = QKeyCombination(Qt::Key_unknown);

void NewCommand(TForm1 &frame) { frame.NewDocument(); }
void OpenCommand(TForm1 &frame) { frame.OpenDatabase(QString(), true); }
void SaveCommand(TForm1 &frame) { frame.SaveDatabase(); }
void ExportCommand(TForm1 &frame) { frame.FileExportItemClick(); }
void CloseCommand(TForm1 &frame) { frame.FileCloseItemClick(); }
void PrintCommand(TForm1 &frame) { frame.ToolButton2Click(); }
void PlanCommand(TForm1 &frame) { frame.Plansecenja1Click(); }
void AddElementsCommand(TForm1 &frame) { frame.ToolButton10Click(); }
void AboutCommand(TForm1 &frame) { frame.ToolButton1Click(); }
void ExitCommand(TForm1 &frame) { frame.FileExitItemClick(); }
void UnitCommand(TForm1 &frame) { frame.ElementsUnitItemClick(); }

const std::array<FrameCommand, 16> kFrameCommands = {{
    {Place::FileMenu, "FileNewItem", "&New", {}, "New|Create a new file", Qt::CTRL | Qt::Key_N,
     &TForm1::FileNewItem, nullptr, &NewCommand, false},
    {Place::FileMenu, "FileOpenItem", "&Open", {}, "Open|Open a file", Qt::CTRL | Qt::Key_O,
     &TForm1::FileOpenItem, nullptr, &OpenCommand, false},
    {Place::FileMenu, "FileCloseItem", "&Close", {}, "Close|Close current file", kNoKey,
     &TForm1::FileCloseItem, nullptr, &CloseCommand, false},
    {Place::FileMenu, "FileSaveItem", "&Save", {}, "Save|Save current file", Qt::CTRL | Qt::Key_S,
     &TForm1::FileSaveItem, nullptr, &SaveCommand, false},
    {Place::FileMenu, "FileExportItem", "&Export...", {}, "Export|Export the list for a cutting optimiser or a spreadsheet",
     kNoKey, &TForm1::FileExportItem, nullptr, &ExportCommand, false},
    {Place::FileMenu, "FileExitItem", "E&xit", {}, "Exit|Exit application", kNoKey,
     &TForm1::FileExitItem, nullptr, &ExitCommand, true},
    {Place::ElementsMenu, "ElementsNewItem", "&Novi elementi...", {},
     "Novi elementi|Unosenje novih elemenata u aktivni prozor", Qt::CTRL | Qt::Key_E, &TForm1::ElementsNewItem, nullptr,
     &AddElementsCommand, false},
    {Place::ElementsMenu, "ElementsPlanItem", "&Plan secenja...", {}, "Plan secenja|Plan secenja tabli za aktivni spisak",
     Qt::CTRL | Qt::Key_P, &TForm1::ElementsPlanItem, nullptr, &PlanCommand, false},
    {Place::ElementsMenu, "ElementsUnitItem", "&Jedinica mere mm / cm", {},
     "Jedinica mere|Prelaz sa milimetara na centimetre i nazad, kao dupli klik na oznaku jedinice",
     Qt::CTRL | Qt::Key_U, &TForm1::ElementsUnitItem, nullptr, &UnitCommand, false},
    {Place::HelpMenu, "HelpAboutItem", "&O programu...", {}, "O programu|Informacije o programu", Qt::Key_F1,
     &TForm1::HelpAboutItem, nullptr, &AboutCommand, false},
    {Place::ToolBar3, "ToolButton13", nullptr, ToolPicture::NewFile, "Nova baza|Kreiranje nove baze podataka",
     kNoKey, nullptr, &TForm1::ToolButton13, &NewCommand, false},
    {Place::ToolBar3, "ToolButton14", nullptr, ToolPicture::OpenFile,
     "Ucitavanje podataka|Ucitavanje podataka uz fajla", kNoKey, nullptr, &TForm1::ToolButton14, &OpenCommand, false},
    {Place::ToolBar3, "ToolButton15", nullptr, ToolPicture::SaveFile, "Snimanje podataka|Snimanje podataka u fajl",
     kNoKey, nullptr, &TForm1::ToolButton15, &SaveCommand, false},
    {Place::ToolBar3, "ToolButton1", nullptr, ToolPicture::About, "Informacije o programu", kNoKey, nullptr,
     &TForm1::ToolButton1, &AboutCommand, false},
    {Place::ToolBar1, "ToolButton10", nullptr, ToolPicture::AddElements,
     "Dodavanje|Dodavanje podataka u aktivni prozor", kNoKey, nullptr, &TForm1::ToolButton10, &AddElementsCommand, false},
    {Place::ToolBar1, "ToolButton2", nullptr, ToolPicture::Print, "Stampanje|Stampanje spiska elemenata", kNoKey,
     nullptr, &TForm1::ToolButton2, &PrintCommand, false},
}};

QToolBar *CreateToolBar(QWidget *band, const QString &name)
{
    auto *bar = new QToolBar(name, band);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(kToolPictureSize);
    bar->setContentsMargins(0, 0, 0, 0);
    return bar;
}

// Places a tool bar at its left position, centred in the height of the band.
void PlaceToolBar(QToolBar *bar, int left)
{
    bar->adjustSize();
    bar->move(left, (bar->parentWidget()->height() - bar->height()) / 2);
}

QMenu *MenuOf(const TForm1 &frame, Place place)
{
    switch (place) {
    case Place::FileMenu: return frame.File1;
    case Place::ElementsMenu: return frame.Elements1;
    case Place::HelpMenu: return frame.Help1;
    case Place::ToolBar3:
    case Place::ToolBar1: break;
    }
    return nullptr;
}

void AddFrameCommand(TForm1 &frame, const FrameCommand &command)
{
    const QString hint = QString::fromLatin1(command.hint);
    QAction *action = nullptr;
    if (QMenu *menu = MenuOf(frame, command.place)) {
        if (command.separatorBefore)
            menu->addSeparator();
        action = menu->addAction(QString::fromLatin1(command.caption));
        action->setObjectName(QString::fromLatin1(command.name));
        if (command.shortCut != kNoKey)
            action->setShortcut(QKeySequence(command.shortCut));
        frame.*command.menuItem = action;
    } else {
        QToolBar *bar = command.place == Place::ToolBar3 ? frame.ToolBar3 : frame.ToolBar1;
        action = bar->addAction(ToolIcon(command.picture), ShortHint(hint));
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
        button->setObjectName(QString::fromLatin1(command.name));
        button->setFixedSize(kToolButtonSize);
        frame.*command.toolButton = button;
    }
    SetHint(action, hint);
    if (command.handler != nullptr)
        QObject::connect(action, &QAction::triggered, &frame, [&frame, handler = command.handler] { handler(frame); });
    else
        action->setEnabled(false);
}

struct FrameMenu {
    QMenu *TForm1::*menu;
    const char *name;
    const char *caption;
    const char *hint;
};

// In the order of the menu bar; Edit and Prozor are filled by their own builders.
const std::array<FrameMenu, 5> kFrameMenus = {{
    {&TForm1::File1, "File1", "&File", "File related commands"},
    {&TForm1::Edit1, "Edit1", "&Edit", "Undo and redo the changes of the list"},
    {&TForm1::Elements1, "Elements1", "&Elementi", "Unos elemenata i jedinica mere"},
    {&TForm1::Window1, "Window1", "&Prozor", "Raspored i izbor otvorenih prozora"},
    {&TForm1::Help1, "Help1", "&Pomoc", "O programu"},
}};

} // namespace

void BuildFrameCommands(TForm1 &frame, QWidget *band)
{
    for (const FrameMenu &entry : kFrameMenus) {
        QMenu *menu = frame.menuBar()->addMenu(QString::fromLatin1(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        SetHint(menu->menuAction(), QString::fromLatin1(entry.hint));
        frame.*entry.menu = menu;
    }
    frame.ToolBar3 = CreateToolBar(band, QStringLiteral("ToolBar3"));
    frame.ToolBar1 = CreateToolBar(band, QStringLiteral("ToolBar1"));
    for (const FrameCommand &command : kFrameCommands)
        AddFrameCommand(frame, command);
    PlaceToolBar(frame.ToolBar3, 11);
    PlaceToolBar(frame.ToolBar1, 174);
}
