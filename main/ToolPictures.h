#pragma once
// The pictures of the main window's tool buttons, drawn here rather than shipped
// as files: 21 x 19, a quiet normal look and a full-colour "hot" look shown
// while the mouse is over the button.

#include <QIcon>

enum class ToolPicture { NewFile, OpenFile, SaveFile, AddElements, About, Print };

QIcon ToolIcon(ToolPicture picture);
