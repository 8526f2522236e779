#pragma once
// The material chosen for a database is remembered for its file across runs,
// in the user's own settings (common/MaterialMemory.h), and chosen again when
// that file is opened, so the file's statistics and reprinted labels use it.
// Failures to read or write the memory are shown in a box.

class Document;
class TForm16;
struct ProgramState;

// Remembers the document's material for its file; nothing while it has no file or no material.
void RememberMaterial(const ProgramState &state, const Document &document);
// Chooses the material remembered for the window's file when the board table
// still has it at that number, with that name and size; otherwise the window
// keeps the material of the settings. Run on the active window.
void RestoreMaterial(const ProgramState &state, TForm16 &window);
