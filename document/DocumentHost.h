#pragma once
// What a document window needs from the main window that owns it.

#include "common/ProgramState.h"

class Platform;
class QMenu;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual ProgramState &State() = 0;
    virtual Platform &Desktop() = 0;
    // The grid's context menu, shared by every document window.
    virtual QMenu *ListBox1Popup() = 0;
    // Deletes the selected elements of the active document window.
    virtual void Obrisielemente1Click() = 0;
    // Every document window refills its grid (after a unit change).
    virtual void RefreshDocuments() = 0;
};
