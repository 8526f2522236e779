#pragma once
// The File menu's commands on documents: new, close, and closing them all when
// the program exits.

struct CommandContext;
class TForm16;

// Reads the board table again, then opens "Untitled n" with empty customer
// texts and the entry row's length field ready for typing.
TForm16 *NewDatabase(const CommandContext &context);
// Closes the active document; its close query may keep it.
void CloseActiveDocument(const CommandContext &context);
// Runs every document's close query, topmost first, and stops at the first
// refusal; only when none refused are they all closed. False when one refused:
// then every document is still open.
bool CloseAllDocuments(const CommandContext &context);
