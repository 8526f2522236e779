#pragma once
// The label stock a part label is printed on: A4 sheets of die-cut labels or a
// roll with one label a page, and where each label of a sheet lies.

#include <QPageSize>
#include <QRect>
#include <QSizeF>

#include <optional>
#include <string>

enum class LabelLayout { A4By3x8, A4By2x7, Roll100x50 };

// What the labels dialog asks before a job.
struct LabelJobOptions {
    LabelLayout layout = LabelLayout::A4By3x8;
    int firstPosition = 1; // 1-based on the first sheet; refused (Failed) when not on it
    bool toPdf = false;    // into the PDF even when a printer is installed
};

// Measures in millimetres from the page's top left edge.
struct LabelSheet {
    QSizeF page;
    QSizeF label;
    int columns;
    int rows;
    double left;
    double top;
    double columnGap;

    int LabelsPerPage() const { return columns * rows; }
};

const LabelSheet &SheetOf(LabelLayout layout);

// "a4-3x8", "a4-2x7", "roll-100x50": the names the command line takes.
std::optional<LabelLayout> LabelLayoutFromName(const std::string &name);

// The page a canvas for the layout is made with.
QPageSize LabelPageSize(LabelLayout layout);

// Positions on a sheet are 1-based, across each row, rows from the top.
bool IsLabelPosition(LabelLayout layout, int position);
// The label at position on a page of dotsPerInch, in dots.
QRect LabelRect(LabelLayout layout, int position, int dotsPerInch);
// The millimetres as dots, to the nearest dot.
int MmToDots(double millimetres, int dotsPerInch);
