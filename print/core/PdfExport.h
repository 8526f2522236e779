#pragma once
// The printed element list, written as a PDF without any window: for the
// command-line tool. Creates an offscreen QGuiApplication when none runs yet.

#include "common/Element.h"
#include "common/PrintoutSettings.h"

#include <string>

// rcUnexpectedError when a non-GUI Qt application is already running, else the
// code of writing the PDF (written atomically: on failure an older file of that
// name stays).
int PrintListToPdf(const TElementList &list, const std::string &pdfFile, const PrintoutSettings &settings);
