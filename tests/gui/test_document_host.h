#pragma once
// A stand-in main window for the document window tests: it owns the program
// state, the scripted desktop, the shared grid menu, an MDI area with its
// document manager, and counts what the document windows ask of it.

#include "common/ProgramState.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "support/DocumentLists.h"
#include "support/ScriptedPlatform.h"
#include "support/Elements.h"

#include <QMdiArea>
#include <QMenu>

class TestDocumentHost {
public:
    TestDocumentHost();
    ~TestDocumentHost();

    // A new document window in the MDI area, shown and made active; its delete
    // request runs the main window's delete command, as the frame connects it.
    TForm16 *NewDocument();
    // Closes the window and lets its deferred deletion run; true when it closed.
    bool Close(TForm16 *form);
    // The main window's "Obrisi element(e)" on the active window.
    void DeleteSelected();

    ProgramState state;
    ScriptedPlatform desktop;
    QMenu menu;
    // Last: its windows go first, while the state they point to still exists.
    QMdiArea area;
    DocumentManager manager{area, state, desktop, &menu, nullptr};
    CommandContext context{manager, state, desktop};
    int deleteCalls = 0;
    int refreshCalls = 0;
};

// Colours the tests can tell apart (Windows values: red in the low byte).
constexpr std::uint32_t kControlColour = 0x00E0F0FF;     // 255, 240, 224
constexpr std::uint32_t kSelectedTextColour = 0x0000FFFF; // 255, 255, 0
constexpr std::uint32_t kSelectedBackColour = 0x00800000; // 0, 0, 128

// Replaces the window's list with these elements as a file would, and shows them.
void SetElements(TForm16 &form, std::initializer_list<TElement> elements);
// The text the grid shows in a cell.
QString CellText(const TForm16 &form, int row, int column);
// Types text of any alphabet character by character (QTest only knows ASCII keys).
void TypeText(QWidget *widget, const QString &text);
// The smallest rectangle holding every pixel in which two pictures differ.
QRect DifferingPixels(const QImage &a, const QImage &b);
// Selects grid rows top..bottom, the current row being bottom.
void SelectRows(TForm16 &form, int top, int bottom);
