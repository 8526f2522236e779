#include "main/OpenSaveCommands.h"

#include "common/DatabaseFile.h"
#include "common/Encoding.h"
#include "common/FileUtils.h"
#include "common/ListAlgorithms.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/ExchangeCommands.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct DatabaseFilter {
    const char *text;
    const char *extension;
};

// The save dialog's three kinds; the open dialog offers them in the same order,
// so every file a save writes can be opened again. Both letter cases match.
const std::array<DatabaseFilter, 3> kDatabaseFilters = {{
    {"Morvena elements (*.tab *.TAB)", ".tab"},
    {"Morvena universal data files (*.tun *.TUN)", ".tun"},
    {"Morvena line elements (*.tln *.TLN)", ".tln"},
}};

QStringList FilterTexts()
{
    QStringList texts;
    for (const DatabaseFilter &filter : kDatabaseFilters)
        texts << QString::fromLatin1(filter.text);
    return texts;
}

std::string LocalName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

// The file name without its directory and its last four characters: the
// extension and its dot, for the usual three-letter extensions.
QString TitleOf(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

struct DatabaseContents {
    TElementList elements{};
    TElementGroups groups{};
    TDatabaseHeader header{};
};

std::optional<DatabaseContents> ReadDatabase(const QString &fileName)
{
    DatabaseContents contents;
    const int code = ReadDatabaseFile(LocalName(fileName), contents.elements, contents.groups, contents.header);
    if (code != rcOK) {
        ShowError("Error loading database!", code);
        return std::nullopt;
    }
    return contents;
}

bool HasBanding(const TElementList &elements)
{
    const int n = ElementCount(elements);
    for (int i = 0; i < n; ++i) {
        if (elements[static_cast<std::size_t>(i)].LengthBanding != 0
            || elements[static_cast<std::size_t>(i)].WidthBanding != 0)
            return true;
    }
    return false;
}

enum class Destination { NewWindow, Merge, Nowhere };

Destination AskDestination(const CommandContext &context, const DatabaseContents &read, bool askNewWindow)
{
    const TForm16 *active = context.documents.ActiveDocument();
    const bool mergeable = askNewWindow && active != nullptr
        && ElementCount(read.elements) + ElementCount(active->Elements) <= kMaxElements
        && GroupCount(read.groups) + GroupCount(active->Groups) <= kGroupsPerDocument;
    if (!mergeable)
        return Destination::NewWindow;
    switch (context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo,
                                       QStringLiteral("Zelite li da kreirate novi prozor za ovo bazu podataka?"))) {
    case Platform::Answer::Yes: return Destination::NewWindow;
    case Platform::Answer::No: return Destination::Merge;
    default: return Destination::Nowhere;
    }
}

void OpenInNewWindow(const CommandContext &context, const QString &fileName, const DatabaseContents &read)
{
    // Shown before it is filled: showing never dissolves groups read from a file.
    TForm16 *document = context.documents.CreateDocument(TitleOf(fileName));
    TForm16::SetCustomerBytes(document->Edit2, read.header.Customer.str());
    TForm16::SetCustomerBytes(document->Edit3, read.header.Address.str());
    TForm16::SetCustomerBytes(document->Edit4, read.header.Telephone.str());
    document->ReplaceLists(read.elements, read.groups);
    if (context.state.Settings.AutoSort())
        document->SortElements();
    document->MarkSaved();
}

void MergeIntoActive(const CommandContext &context, const DatabaseContents &read)
{
    TForm16 *document = context.documents.ActiveDocument();
    TElementList elements = document->Elements;
    TElementGroups groups = document->Groups;
    const int n = ElementCount(read.elements);
    for (int i = 0; i < n; ++i) {
        if (!AppendElement(elements, read.elements[static_cast<std::size_t>(i)]))
            break; // the 801st is dropped
    }
    const int g = GroupCount(read.groups);
    for (int i = 0, slot = GroupCount(groups); i < g && slot < kGroupsPerDocument; ++i, ++slot)
        groups[static_cast<std::size_t>(slot)] = read.groups[static_cast<std::size_t>(i)];
    document->ReplaceLists(elements, groups, QStringLiteral("Spajanje baza"));
}

// The chosen name, with the extension of the chosen kind when none was typed.
QString WithExtension(const Platform::FileChoice &choice)
{
    if (!QFileInfo(choice.fileName).suffix().isEmpty())
        return choice.fileName;
    const std::size_t kind = static_cast<std::size_t>(std::clamp<int>(choice.filterIndex, 0, 2));
    return choice.fileName + QString::fromLatin1(kDatabaseFilters[kind].extension);
}

} // namespace

QString DataDirectory(const CommandContext &context)
{
    return QFile::decodeName(QByteArray::fromStdString(JoinPath(context.state.ProgramDir, "DATA")));
}

void OpenDatabase(const CommandContext &context, const QString &fileName, bool askNewWindow)
{
    const CurrentDirectoryGuard directory;
    QString name = fileName;
    if (name.isEmpty() || !FileExists(LocalName(name))) {
        // A failure shows later, if at all, as a dialog without its folder.
        MakeDirectory(LocalName(DataDirectory(context)));
        MakeDirectory(LocalName(DataDirectory(context) + QStringLiteral("/SWORK")));
        Platform::FileDialog dialog;
        dialog.title = QStringLiteral("Ucitavanje baze podataka");
        dialog.filters = FilterTexts() << CuttingListFilter();
        dialog.initialDirectory = DataDirectory(context);
        const Platform::FileChoice choice = context.desktop.OpenDialog(dialog);
        if (!choice.accepted())
            return;
        name = choice.fileName;
    }
    if (name.isEmpty()) {
        context.desktop.MessageBox(Platform::Icon::Information, Platform::Buttons::Cancel,
                                   QStringLiteral("Morate navesti ime baze podataka"));
        return;
    }
    if (IsCuttingListName(name)) {
        OpenCuttingList(context, name);
        return;
    }
    const std::optional<DatabaseContents> read = ReadDatabase(name);
    if (!read)
        return;
    if (HasBanding(read->elements))
        context.state.Settings.SetBandingInUse(true);
    switch (AskDestination(context, *read, askNewWindow)) {
    case Destination::NewWindow: OpenInNewWindow(context, name, *read); break;
    case Destination::Merge: MergeIntoActive(context, *read); break;
    case Destination::Nowhere: break;
    }
}

void OpenNamedFiles(const CommandContext &context, const QStringList &fileNames)
{
    for (const QString &name : fileNames) {
        if (FileExists(LocalName(name)))
            OpenDatabase(context, name, false);
        else
            ShowError("Error loading database!", rcFileNotFound);
    }
}

void SaveDatabase(const CommandContext &context)
{
    if (!context.documents.HasChildWindows())
        return;
    const CurrentDirectoryGuard directory;
    TForm16 *document = context.documents.ActiveDocument();
    if (document == nullptr || ElementCount(document->Elements) == 0)
        return;
    MakeDirectory(LocalName(DataDirectory(context)));
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Snimanje baze podataka");
    dialog.filters = FilterTexts();
    dialog.selectedFilter = 0;
    dialog.initialDirectory = DataDirectory(context);
    const Platform::FileChoice choice = context.desktop.SaveDialog(dialog);
    if (!choice.accepted())
        return;
    const QString name = WithExtension(choice);
    if (name != choice.fileName && FileExists(LocalName(name))
        && context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo,
                                      QStringLiteral("Fajl \"") + name
                                          + QStringLiteral("\" vec postoji.\rDa li zelite da ga zamenite?"),
                                      Platform::Answer::No)
            != Platform::Answer::Yes)
        return;

    const int code = WriteDatabaseFile(LocalName(name), document->Elements, document->Groups,
                                       TForm16::CustomerBytes(document->Edit2),
                                       TForm16::CustomerBytes(document->Edit3),
                                       TForm16::CustomerBytes(document->Edit4));
    if (code != rcOK) {
        ShowError("Greska prilikom snimanja baze podataka!", code);
        return;
    }
    document->SetTitle(TitleOf(name));
    // What the file reads back as: a ".tun" keeps no groups and shorter labels,
    // so closing still asks while those exist only on screen.
    DatabaseContents saved;
    if (ReadDatabaseFile(LocalName(name), saved.elements, saved.groups, saved.header) == rcOK)
        document->MarkSavedAs(saved.elements, saved.groups,
                              {QString::fromStdString(Win1250ToUtf8(saved.header.Customer.str())),
                               QString::fromStdString(Win1250ToUtf8(saved.header.Address.str())),
                               QString::fromStdString(Win1250ToUtf8(saved.header.Telephone.str()))});
}
