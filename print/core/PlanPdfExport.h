#pragma once
// A cutting plan written as a landscape A4 PDF without any window: for the
// command-line tool. Creates an offscreen QGuiApplication when none runs yet.

#include "print/core/PlanPage.h"

#include <string>

// rcUnexpectedError when a non-GUI Qt application is already running, else the
// code of PrintCuttingPlan (the file written atomically: on failure an older
// file of that name stays).
int PrintPlanToPdf(const CuttingPlan &plan, const PlanPrintTexts &texts, const std::string &pdfFile);
