#pragma once
// A stand-in main window for the document window tests: it owns the program
// state, the scripted desktop, the shared grid menu and an MDI area, and records
// what the document windows ask of it.

#include "document/DocumentHost.h"
#include "document/Unit16.h"
#include "support/ScriptedPlatform.h"
#include "support/Elements.h"

#include <QMdiArea>
#include <QMenu>
#include <QPointer>

#include <vector>

class TestDocumentHost : public DocumentHost {
public:
    TestDocumentHost();
    ~TestDocumentHost() override;

    ProgramState &State() override { return state; }
    Platform &Desktop() override { return desktop; }
    QMenu *ListBox1Popup() override { return &menu; }
    // Deletes in the active window, as the main window's command does.
    void Obrisielemente1Click() override;
    void RefreshDocuments() override;

    // A new document window in the MDI area, shown and made active.
    TForm16 *NewDocument();
    // Closes the window and lets its deferred deletion run; true when it closed.
    bool Close(TForm16 *form);

    ProgramState state;
    ScriptedPlatform desktop;
    QMenu menu;
    int deleteCalls = 0;
    int refreshCalls = 0;
    QPointer<TForm16> active;
    std::vector<QPointer<TForm16>> documents;
    // Last member: its windows go first, while the state they point to still exists.
    QMdiArea area;
};

// Colours the tests can tell apart (Windows values: red in the low byte).
constexpr std::uint32_t kControlColour = 0x00E0F0FF;     // 255, 240, 224
constexpr std::uint32_t kSelectedTextColour = 0x0000FFFF; // 255, 255, 0
constexpr std::uint32_t kSelectedBackColour = 0x00800000; // 0, 0, 128

// Replaces the window's list with these elements and shows them.
void SetElements(TForm16 &form, std::initializer_list<TElement> elements);
// The text the grid shows in a cell.
QString CellText(const TForm16 &form, int row, int column);
// Types text of any alphabet character by character (QTest only knows ASCII keys).
void TypeText(QWidget *widget, const QString &text);
// Selects grid rows top..bottom, the current row being bottom.
void SelectRows(TForm16 &form, int top, int bottom);
