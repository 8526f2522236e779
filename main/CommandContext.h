#pragma once
// What every command of the frame works on: the open documents, the program
// state, the desktop's boxes and the notice line. Tests build one without a
// frame (and may leave the notice line out).

#include <QString>

#include <functional>

class DocumentManager;
class Platform;
struct ProgramState;

struct CommandContext {
    DocumentManager &documents;
    ProgramState &state;
    Platform &desktop;
    // Where a command tells what the user must read without a box.
    std::function<void(const QString &line)> notice = {};

    void Tell(const QString &line) const
    {
        if (notice)
            notice(line);
    }
};
