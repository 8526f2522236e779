#include "print/core/PlanPdfExport.h"

#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"
#include "print/core/PlanPrintout.h"

int PrintPlanToPdf(const CuttingPlan &plan, const PlanPrintTexts &texts, const std::string &pdfFile)
{
    return WithGuiApplication([&] {
        PdfCanvas canvas(pdfFile);
        return PrintCuttingPlan(canvas, plan, texts, nullptr);
    });
}
