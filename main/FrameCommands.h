#pragma once
// The frame's menu bar and its two tool bars. The menus come in the bar's
// order; the commands of File, Elementi and Pomoc and the tool buttons are
// built from one table: caption or picture, hint, short cut and handler. A
// command whose handler is not there yet is shown disabled.

class QWidget;
class TForm1;

// Makes every menu of the bar (Edit and Prozor are left empty for their
// builders), fills the others and the tool band `band`, and connects every item.
void BuildFrameCommands(TForm1 &frame, QWidget *band);
