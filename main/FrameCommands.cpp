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
    enum class Place { FileMenu, ToolBar3, ToolBar1 };

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

const std::array<FrameCommand, 13> kFrameCommands = {{
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
    {Place::FileMenu, "FilePlanItem", "&Plan secenja...", {}, "Plan secenja|Plan secenja tabli za aktivni spisak",
     Qt::CTRL | Qt::Key_P, &TForm1::FilePlanItem, nullptr, &PlanCommand, false},
    {Place::FileMenu, "FileExitItem", "E&xit", {}, "Exit|Exit application", kNoKey,
     &TForm1::FileExitItem, nullptr, &ExitCommand, true},
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

void AddFrameCommand(TForm1 &frame, const FrameCommand &command)
{
    const QString hint = QString::fromLatin1(command.hint);
    QAction *action = nullptr;
    if (command.place == Place::FileMenu) {
        if (command.separatorBefore)
            frame.File1->addSeparator();
        action = frame.File1->addAction(QString::fromLatin1(command.caption));
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

} // namespace

void BuildFrameCommands(TForm1 &frame, QWidget *band)
{
    frame.File1 = frame.menuBar()->addMenu(QStringLiteral("&File"));
    frame.File1->setObjectName(QStringLiteral("File1"));
    SetHint(frame.File1->menuAction(), QStringLiteral("File related commands"));
    frame.ToolBar3 = CreateToolBar(band, QStringLiteral("ToolBar3"));
    frame.ToolBar1 = CreateToolBar(band, QStringLiteral("ToolBar1"));
    for (const FrameCommand &command : kFrameCommands)
        AddFrameCommand(frame, command);
    PlaceToolBar(frame.ToolBar3, 11);
    PlaceToolBar(frame.ToolBar1, 174);
}
