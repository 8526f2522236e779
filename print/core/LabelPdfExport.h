#pragma once
// The part labels of a document written as a PDF of the layout's page size,
// without any window: for the command-line tool. Creates an offscreen
// QGuiApplication when none runs yet.

#include "print/core/LabelPrintout.h"

#include <string>

// Dots per inch of label PDFs: barcode modules of whole dots stay true at 600 dpi.
constexpr int kLabelPdfDpi = 600;

// rcUnexpectedError when a non-GUI Qt application is already running or the
// first position is not on the sheet, else the code of PrintPartLabels (the
// file written atomically: on failure an older file of that name stays).
int PrintLabelsToPdf(const LabelDocument &document, const std::string &pdfFile, const PrintoutSettings &settings,
                     const LabelPrintOptions &options);
