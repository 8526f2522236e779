#pragma once
// The frame's File menu and its two tool bars, built from one table of
// commands: caption or picture, hint, short cut and handler. A command whose
// handler is not there yet is shown disabled.

class QWidget;
class TForm1;

// Fills the frame's menu bar and the tool band `band` and connects every item.
void BuildFrameCommands(TForm1 &frame, QWidget *band);
