#pragma once
// A whole printout from a command: on the default printer when one is
// installed, else into a PDF file, with the progress dialog. Works on copies of
// the list and the settings, so a document closed meanwhile is never read.

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

// parent: the window the progress dialog is centred over (may be null).
PrintResult PrintElementListJob(const TElementList &elements, const TSettings &settings,
                                const QString &pdfFallbackPath, QWidget *parent);
