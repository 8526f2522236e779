#pragma once
// The frame's Edit menu: Undo and Redo of the active document's last steps,
// each caption followed by the name of the step it would take back or repeat.

class QUndoGroup;
class TForm1;

// Fills the frame's Edit menu; the items follow the group's active stack.
void BuildEditMenu(TForm1 &frame, QUndoGroup &group);
