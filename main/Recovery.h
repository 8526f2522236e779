#pragma once
// The start-up offer of the recovery copies that programs no longer running
// left in the work folder: claimed first, so that a second program starting at
// the same time never offers them too, then one question naming them all. Yes
// opens each in its own document window, unsaved, its copy from then on that
// window's; No moves them to "stare", as the question says. A copy that cannot
// be read is shown as the reader's error and moved there, the notice line
// saying so. Copies of a program still running are never touched.

class Autosave;
struct CommandContext;

void OfferRecovery(const CommandContext &context, Autosave &autosave);
