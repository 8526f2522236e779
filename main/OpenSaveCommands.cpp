#include "main/OpenSaveCommands.h"

#include "common/DatabaseFile.h"
#include "common/DocumentTitle.h"
#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ListEdits.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/ExchangeCommands.h"
#include "main/FileSharing.h"
#include "main/RememberedMaterials.h"
#include "main/SaveQuestions.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

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

struct ReadFile {
    DatabaseContents contents;
    FileFingerprint fingerprint;
};

std::optional<ReadFile> ReadDatabase(const QString &fileName)
{
    ReadFile read;
    const int code = ReadDatabaseContents(LocalName(fileName), read.contents, &read.fingerprint);
    if (code != rcOK) {
        std::string message = "Error loading database!";
        // A pipe or a device is refused at once; the box says what it was.
        const FileKind kind = KindOfFile(LocalName(fileName));
        if (kind != FileKind::Regular && kind != FileKind::Missing)
            message += "\r" + LocalName(fileName) + " is a " + FileKindText(kind) + ", not a regular file.";
        ShowError(message, code);
        return std::nullopt;
    }
    return read;
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
        && CanMerge(active->Model().Elements(), active->Model().Groups(), read.Elements, read.Groups);
    if (!mergeable)
        return Destination::NewWindow;
    switch (context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo,
                                       QStringLiteral("Zelite li da kreirate novi prozor za ovo bazu podataka?"))) {
    case Platform::Answer::Yes: return Destination::NewWindow;
    case Platform::Answer::No: return Destination::Merge;
    default: return Destination::Nowhere;
    }
}

void OpenInNewWindow(const CommandContext &context, const QString &fileName, const ReadFile &read)
{
    // One window a file: a second copy of it would overwrite the first one's saves.
    if (TForm16 *open = WindowOfFile(context.documents, fileName)) {
        context.documents.Activate(open);
        return;
    }
    OpenedLock opened = LockForOpening(context, fileName);
    if (opened.mode == OpenedLock::Mode::Cancelled)
        return;
    Document &document = context.documents
                             .OpenContents(read.contents, TitleOfFile(fileName), DocumentManager::Sorting::AutoSort,
                                           DocumentManager::Saved::Yes, fileName)
                             ->Model();
    document.SetDiskFingerprint(read.fingerprint);
    document.HoldLock(std::move(opened.lock));
    document.SetReadOnly(opened.mode == OpenedLock::Mode::ReadOnly);
}

void MergeIntoActive(Document &document, const DatabaseContents &read)
{
    TElementList elements = document.Elements();
    TElementGroups groups = document.Groups();
    MergeDatabase(elements, groups, read.Elements, read.Groups);
    document.Replace(elements, groups, QStringLiteral("Spajanje baza"));
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

QString TitleOfFile(const QString &fileName)
{
    return QString::fromStdString(TitleOfFile(fileName.toStdString()));
}

QString DataDirectory(const CommandContext &context)
{
    return QFile::decodeName(QByteArray::fromStdString(context.state.DataDir));
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
    const std::optional<ReadFile> read = ReadDatabase(name);
    if (!read)
        return;
    if (HasBanding(read->contents.Elements))
        context.state.Settings.SetBandingInUse(true);
    switch (AskDestination(context, read->contents, askNewWindow)) {
    case Destination::NewWindow: OpenInNewWindow(context, name, *read); break;
    case Destination::Merge: MergeIntoActive(context.documents.ActiveDocument()->Model(), read->contents); break;
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
    const TForm16 *window = context.documents.ActiveDocument();
    // Groups or customer data alone are kept as well; only an empty document is not.
    if (window == nullptr || window->Model().Contents().HoldsNothing())
        return;
    Document &document = window->Model();
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
    if (RefusedAsReadOnly(context, document, name))
        return;
    if (!ConfirmSave(context.desktop, document, name))
        return;

    FileFingerprint written;
    const int code = WriteDatabaseContents(LocalName(name), document.Contents(), &written);
    if (code != rcOK) {
        ShowError("Greska prilikom snimanja baze podataka!", code);
        return;
    }
    TakeOverFile(context, document, name, written);
    document.SetTitle(TitleOfFile(name));
    // What the file reads back as: a ".tun" keeps no groups and shorter labels,
    // so closing still asks while those exist only on screen.
    DatabaseContents saved;
    if (ReadDatabaseContents(LocalName(name), saved) == rcOK)
        document.MarkSaved(name, saved);
    RememberMaterial(context.state, document);
}
