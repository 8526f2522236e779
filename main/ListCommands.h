#pragma once
// The element grid's menu commands on the active document's list. Each does
// nothing and shows nothing when what it needs is missing (no document, an
// empty list or selection); every change goes through the document's one door
// as one undo step named `step`, the caption of the command's menu item.

#include "common/Element.h"

#include <QString>

#include <optional>

class Document;
struct CommandContext;
struct CuttingPlan;
class QWidget;

// Obrisi element(e): the selected elements go, the rest close up, row 1 becomes current.
void DeleteSelectedElements(const CommandContext &context, const QString &step);
// Asks for a factor until plain digits of 1..65535 are typed, or the box is
// emptied or cancelled; a product above 65535 pieces multiplies nothing and says so.
void MultiplyAllCounts(const CommandContext &context, const QString &step);
void MultiplySelectedCounts(const CommandContext &context, const QString &step);
void MergeSameElementsOfActive(const CommandContext &context, const QString &step);
void SortActiveByLength(const CommandContext &context, const QString &step);
void SetGrainOnAll(const CommandContext &context, bool grain, const QString &step);
// Grain-bound elements turn across: length and width, and their banding,
// change places. Pending events run every third element, user input excepted.
void CounterGrainOnAll(const CommandContext &context, const QString &step);
// Prints the active document's list (a copy of it) on the default printer, or
// into "DATA/<title>.pdf" when none is installed, opened with the desktop's
// viewer. Returns the line for the status bar, if any.
std::optional<QString> PrintActiveDocument(const CommandContext &context, QWidget *parent);
// One label per piece of the active document, with the options the labels
// dialog asks for; into "DATA/<title>-nalepnice.pdf" when no printer is installed
// or the PDF was chosen. Returns the line for the status bar, if any.
std::optional<QString> PrintLabelsOfActiveDocument(const CommandContext &context, QWidget *parent);
// The same for any document; with a plan of its pieces, the labels come in
// the plan's cutting order, each with its board and position.
std::optional<QString> PrintLabelsOfDocument(const CommandContext &context, const Document &document,
                                             const CuttingPlan *plan, QWidget *parent);
// The same for a list of the active document's (the new-elements dialog's copy).
std::optional<QString> PrintListOfActiveDocument(const CommandContext &context, const TElementList &elements,
                                                 QWidget *parent);
