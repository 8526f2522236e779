#include "print/core/PlanPdfExport.h"

#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"
#include "print/core/PlanPrintout.h"

#include "common/ResultCodes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <optional>

int PrintPlanToPdf(const CuttingPlan &plan, const PlanPrintTexts &texts, const std::string &pdfFile)
{
    std::optional<OffscreenGuiApplication> gui;
    if (!QCoreApplication::instance())
        gui.emplace();
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return rcUnexpectedError;
    PdfCanvas canvas(pdfFile);
    return PrintCuttingPlan(canvas, plan, texts, nullptr);
}
