#pragma once
// A whole printout from a command: on the default printer when one is
// installed, else into a PDF file, with the progress dialog. Works on copies of
// the list and the settings, so a document closed meanwhile is never read.

#include "print/core/LabelLayout.h"
#include "print/core/PartLabels.h"
#include "print/core/PlanPage.h"

#include "common/Element.h"
#include "common/Settings.h"

#include <QString>

class QWidget;

struct PrintResult {
    enum class Outcome { Printed, WrittenToPdf, Cancelled, Failed };
    Outcome outcome;
    QString pdfPath; // WrittenToPdf: the file written
    int code;        // the program's result code; Failed: what went wrong
};

// A default printer to print on; without one the jobs write their PDF.
bool DefaultPrinterInstalled();

// parent: the window the progress dialog is centred over (may be null).
PrintResult PrintElementListJob(const TElementList &elements, const TSettings &settings,
                                const QString &pdfFallbackPath, QWidget *parent);
// One label per piece of the document's elements and groups; pdfPath is written
// when options.toPdf is set or no printer is installed. With a plan of the
// document's pieces (copied), the labels come in its cutting order, each with
// its board and position.
PrintResult PrintLabelsJob(const LabelDocument &document, const TSettings &settings, const LabelJobOptions &options,
                           const QString &pdfPath, QWidget *parent, const CuttingPlan *plan = nullptr);
// A cutting plan, one board a landscape page.
PrintResult PrintPlanJob(const CuttingPlan &plan, const PlanPrintTexts &texts, const QString &pdfFallbackPath,
                         QWidget *parent);
