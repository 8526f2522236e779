#include "main/ExchangeCommands.h"

#include "common/AtomicFile.h"
#include "common/FileUtils.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "common/exchange/Exchange.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/OpenSaveCommands.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

// Far more than 800 rows of any format can fill; a larger file is no cutting list.
constexpr std::size_t kMaxCuttingListBytes = 4 * 1024 * 1024;
constexpr std::size_t kRefusalsShown = 20;

struct ExportFilter {
    ExchangeFormat format;
    const char *text;
};

const std::array<ExportFilter, 4> kExportFilters = {{
    {ExchangeFormat::MvInput, "MvInput, sva polja (*.csv)"},
    {ExchangeFormat::CutlistOptimizer, "CutList Optimizer (*.csv)"},
    {ExchangeFormat::Smart2d, "Smart2D (*.csv)"},
    {ExchangeFormat::Spreadsheet, "Tabela: ; i decimalni zarez (*.csv)"},
}};

std::string LocalName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString RefusalText(const QString &fileName, const std::vector<ExchangeRefusal> &refusals)
{
    QString text = QStringLiteral("Spisak elemenata \"") + QFileInfo(fileName).fileName()
        + QStringLiteral("\" nije ucitan:");
    for (std::size_t i = 0; i < refusals.size() && i < kRefusalsShown; ++i)
        text += QLatin1Char('\r') + QString::fromStdString(LineMessage(refusals[i].Line, refusals[i].Reason));
    if (refusals.size() > kRefusalsShown)
        text += QStringLiteral("\r... i jos %1").arg(refusals.size() - kRefusalsShown);
    return text;
}

} // namespace

QString CuttingListFilter()
{
    return QStringLiteral("Cutting lists (*.csv *.CSV)");
}

bool IsCuttingListName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

void OpenCuttingList(const CommandContext &context, const QString &fileName)
{
    std::string text;
    const int code = LoadTextFile(LocalName(fileName), text, kMaxCuttingListBytes);
    if (code != rcOK) {
        ShowError("Error loading database!", code);
        return;
    }
    const ExchangeReadResult read = ReadExchange(text);
    if (!read.Ok()) {
        context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::Ok, RefusalText(fileName, read.Refusals));
        return;
    }
    // Saved, as the list is what its file holds, but no database file of its own:
    // saving asks for one.
    context.documents.OpenContents(DatabaseContents{read.Elements, read.Groups, read.Customer}, TitleOfFile(fileName),
                                   DocumentManager::Sorting::AutoSort, DocumentManager::Saved::Yes);
}

std::optional<QString> ExportActiveDocument(const CommandContext &context)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr || ElementCount(window->Model().Elements()) == 0)
        return std::nullopt;
    const Document &document = window->Model();
    MakeDirectory(LocalName(DataDirectory(context)));
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Izvoz spiska elemenata");
    for (const ExportFilter &filter : kExportFilters)
        dialog.filters << QString::fromLatin1(filter.text);
    dialog.initialDirectory = DataDirectory(context);
    dialog.defaultSuffix = QStringLiteral("csv");
    const Platform::FileChoice choice = context.desktop.SaveDialog(dialog);
    if (!choice.accepted())
        return std::nullopt;
    const ExchangeFormat format = kExportFilters[static_cast<std::size_t>(
        std::clamp<int>(choice.filterIndex, 0, int(kExportFilters.size()) - 1))].format;

    std::vector<std::string> notes;
    const std::string text = WriteExchange(format, document.Elements(), document.Groups(), document.Customer(), &notes);
    const int code = WriteFileAtomically(LocalName(choice.fileName), text.data(), text.size());
    if (code != rcOK) {
        ShowError("Greska prilikom izvoza spiska elemenata!", code);
        return std::nullopt;
    }
    const std::string warning = ExportWarning(format, document.Elements(), document.Groups());
    if (!warning.empty())
        context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::Ok,
                                   QStringLiteral("Spisak je izvezen, ali ") + QString::fromStdString(warning));
    QString status = QStringLiteral("Spisak elemenata je izvezen u ") + choice.fileName;
    if (!notes.empty())
        status += QStringLiteral(" (izmene: %1)").arg(notes.size());
    return status;
}
