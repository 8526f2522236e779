#pragma once
// The frame's "&Prozor" menu, as every program of many windows has: cascade,
// tile, the next and the previous window, then the open documents, the
// active one checked, each a choice that activates it.

class DocumentManager;
class QMdiArea;
class TForm1;

// Fills the frame's Prozor menu; its list of documents is made anew each time it opens.
void BuildWindowMenu(TForm1 &frame, QMdiArea &area, const DocumentManager &documents);
