#include "main/ListCommands.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/ListAlgorithms.h"
#include "common/ListEdits.h"
#include "common/MaterialSettings.h"
#include "common/ProgramState.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/PrintReport.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"

#include <QPointer>

namespace {

// The factor of the multiply box, or 0 when the box was emptied or cancelled.
int AskFactor(const CommandContext &context)
{
    QString text = QStringLiteral("1");
    for (;;) {
        const std::optional<QString> typed = context.desktop.InputBox(QStringLiteral("Unesite faktor mnozenja"),
                                                                      QStringLiteral("Faktor mnozenja: "), text);
        if (!typed)
            return 0; // Cancel, Escape or the close box leave the counts as they are
        text = *typed;
        QString digits;
        for (const QChar c : text) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits += c;
        }
        const bool clean = digits.size() == text.size();
        text = digits;
        // A factor beyond 16 bits comes back like a 0.
        const std::int32_t factor = clean ? TextToInt(text.toStdString()) : 0;
        if (IsMultiplyFactor(factor))
            return factor;
        if (text.isEmpty())
            return 0;
    }
}

void MultiplyRange(const CommandContext &context, Document &document, int first, int last, const QString &step)
{
    const int factor = AskFactor(context);
    if (factor == 0)
        return;
    TElementList multiplied = document.Elements();
    if (MultiplyCounts(multiplied, first, last, factor) == ListEditResult::CountTooLarge) {
        context.desktop.MessageBox(Platform::Icon::None, Platform::Buttons::Ok,
                                   QStringLiteral("Broj komada ne moze biti veci od 65535!"));
        return;
    }
    document.ReplaceElements(multiplied, step);
}

} // namespace

void DeleteSelectedElements(const CommandContext &context, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (!context.documents.HasChildWindows() || window == nullptr)
        return;
    Document &document = window->Model();
    const auto [first, last] = window->SelectedElementRange();
    TElementList kept = document.Elements();
    if (DeleteRange(kept, first, last) == ListEditResult::Invalid)
        return;
    document.ReplaceElements(kept, step);
    window->SetCurrentRow(1);
}

void MultiplyAllCounts(const CommandContext &context, const QString &step)
{
    if (TForm16 *window = context.documents.ActiveDocument())
        MultiplyRange(context, window->Model(), 1, ElementCount(window->Model().Elements()), step);
}

void MultiplySelectedCounts(const CommandContext &context, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    const auto [first, last] = window->SelectedElementRange();
    if (last - first + 1 <= 0)
        return;
    MultiplyRange(context, window->Model(), first, last, step);
}

void MergeSameElementsOfActive(const CommandContext &context, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    TElementList merged = window->Model().Elements();
    MergeSameElements(merged);
    window->Model().ReplaceElements(merged, step);
}

void SortActiveByLength(const CommandContext &context, const QString &step)
{
    if (TForm16 *window = context.documents.ActiveDocument())
        window->SortElements(step);
}

void SetGrainOnAll(const CommandContext &context, bool grain, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    TElementList changed = window->Model().Elements();
    SetGrainOfAll(changed, grain);
    window->Model().ReplaceElements(changed, step);
}

void CounterGrainOnAll(const CommandContext &context, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    const QPointer<Document> document = &window->Model();
    TElementList turned = document->Elements();
    const bool finished = TurnAcrossGrain(turned, [&] {
        context.desktop.ProcessEvents();
        return document != nullptr; // closed meanwhile: nothing left to change
    });
    if (finished)
        document->ReplaceElements(turned, step);
}

std::optional<QString> PrintActiveDocument(const CommandContext &context, QWidget *parent)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return std::nullopt;
    return PrintListOfActiveDocument(context, window->Model().Elements(), parent);
}

std::optional<QString> PrintLabelsOfActiveDocument(const CommandContext &context, QWidget *parent)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return std::nullopt;
    return PrintLabelsOfDocument(context, window->Model(), nullptr, parent);
}

std::optional<QString> PrintLabelsOfDocument(const CommandContext &context, const Document &document,
                                             const CuttingPlan *plan, QWidget *parent)
{
    if (ElementCount(document.Elements()) + GroupCount(document.Groups()) == 0)
        return std::nullopt;
    const std::optional<LabelJobOptions> options = context.desktop.LabelOptionsDialog(DefaultPrinterInstalled());
    if (!options)
        return std::nullopt;
    LabelDocument labels;
    labels.Elements = document.Elements();
    labels.Groups = document.Groups();
    labels.Customer = QString::fromStdString(Win1250ToUtf8(document.Customer().Customer));
    labels.Title = document.Title();
    const QString pdf = PdfPathOf(context, document, QStringLiteral("-nalepnice"));
    // The labels name the document's own material, whichever window is active.
    const TSettings settings =
        SettingsWithMaterial(context.state.Settings, context.state.BoardTypes, document.MaterialIndex());
    return ReportPrintResult(context, PrintLabelsJob(labels, settings, *options, pdf, parent, plan),
                             QStringLiteral("PDF sa nalepnicama"));
}

std::optional<QString> PrintListOfActiveDocument(const CommandContext &context, const TElementList &elements,
                                                 QWidget *parent)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return std::nullopt;
    const QString pdf = PdfPathOf(context, window->Model(), QString());
    return ReportPrintResult(context, PrintElementListJob(elements, context.state.Settings, pdf, parent),
                             QStringLiteral("Nema stampaca: spisak elemenata"));
}
