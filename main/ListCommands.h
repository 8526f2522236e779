#pragma once
// The element grid's menu commands on the active document's list. Each does
// nothing and shows nothing when what it needs is missing.

struct CommandContext;

// Obrisi element(e): the selected elements go, the rest close up, row 1 becomes current.
void DeleteSelectedElements(const CommandContext &context);
