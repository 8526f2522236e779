#pragma once
// What every command of the frame works on: the open documents, the program
// state and the desktop's boxes. Tests build one without a frame.

class DocumentManager;
class Platform;
struct ProgramState;

struct CommandContext {
    DocumentManager &documents;
    ProgramState &state;
    Platform &desktop;
};
