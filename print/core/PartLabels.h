#pragma once
// What the part labels of a document say: one label per cut piece, the
// elements' pieces first, then the groups' pieces.

#include "common/Element.h"
#include "common/cutting/CuttingPlan.h"

#include <QString>

#include <vector>

// A copy of what a document's labels are made from.
struct LabelDocument {
    TElementList Elements{};
    TElementGroups Groups{};
    QString Customer;
    QString Title; // the document's title: its file name less the extension
};

struct PartLabel {
    QString Number; // "RB." of the element, or "G<group>.<piece>" for a group's piece
    QString Piece;  // "<k>/<pieces>"
    QString Code;   // the barcode's text, "<title>/<number>/<k>"
    TElement Element;
    QString Ref;      // the piece as a cutting plan names it: "<RB>/<k>" or "G<group>.<piece>"
    QString Position; // where a cutting plan puts it, "Tabla 2, x 120 y 0"; empty without a plan
};

constexpr int kBarcodeTitleLength = 16;

// Code 128 holds Latin-1 only and a scanner types what it reads: the title folded
// to ASCII (diacritics dropped, "đ" as "d", anything else as "_"), at most
// kBarcodeTitleLength characters.
QString BarcodeTitle(const QString &title);

std::vector<PartLabel> PartLabels(const LabelDocument &document);

// The labels in the order the plan cuts the pieces, board after board, each
// with its position; labels of pieces the plan does not hold follow, without one.
std::vector<PartLabel> PlanOrderedLabels(const std::vector<PartLabel> &labels, const CuttingPlan &plan);
