#include "main/PlanCommands.h"

#include "common/Encoding.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/PlanWindow.h"
#include "main/PrintReport.h"
#include "print/PrintJob.h"

void ShowPlanWindow(const CommandContext &context, QWidget *frame)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    Document &document = window->Model();
    if (ElementCount(document.Elements()) + GroupCount(document.Groups()) == 0)
        return;
    // One plan window a document: asking again shows the one there is.
    PlanWindow *plan = nullptr;
    for (PlanWindow *open : frame->findChildren<PlanWindow *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (open->PlannedDocument() == &document && open->isVisible()) // a closed one is on its way out
            plan = open;
    }
    if (plan == nullptr)
        plan = new PlanWindow(context, document, frame);
    plan->show();
    plan->raise();
    plan->activateWindow();
}

std::optional<QString> PrintPlanOfDocument(const CommandContext &context, const Document &document,
                                           const CuttingPlan &plan, const QString &material, QWidget *parent)
{
    PlanPrintTexts texts;
    texts.Title = document.Title();
    texts.Customer = QString::fromStdString(Win1250ToUtf8(document.Customer().Customer));
    texts.Material = material;
    const QString pdf = PdfPathOf(context, document, QStringLiteral("-plan"));
    return ReportPrintResult(context, PrintPlanJob(plan, texts, pdf, parent), QStringLiteral("PDF sa planom secenja"));
}
