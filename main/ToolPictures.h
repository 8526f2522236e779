#pragma once
// The pictures of the main window's tool buttons, drawn here rather than shipped
// as files: 21 x 19, a quiet normal look and a full-colour "hot" look shown
// while the mouse is over the button. Also the program's window icon.

#include <QIcon>

enum class ToolPicture { NewFile, OpenFile, SaveFile, AddElements, About, Print };

QIcon ToolIcon(ToolPicture picture);

// The program's own picture for its window frames: a board with its cuts.
QIcon ProgramIcon();
