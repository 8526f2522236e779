#pragma once
// The printed element list of a database file, written as a PDF without any
// window: for the command-line tool. Creates an offscreen QGuiApplication when
// none runs yet.

#include "common/Settings.h"

#include <string>

// The reader's code when the database cannot be read, rcUnexpectedError when a
// non-GUI Qt application is already running, else the code of writing the PDF
// (written atomically: on failure an older file of that name stays).
int PrintDatabaseToPdf(const std::string &databaseFile, const std::string &pdfFile, const TSettings &settings);
