#pragma once
// The element grid's pop-up menu, shared by every document window: the list
// commands in the workshop's order, the "TEXTURA" and "PODESAVANJE BOJE"
// submenus. A command whose handler is not there yet is shown disabled.

class QMenu;
class TForm1;

void BuildGridMenu(TForm1 &frame, QMenu *menu);
