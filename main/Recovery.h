#pragma once
// The start-up offer of the recovery copies that programs no longer running
// left in the work folder: one question for all of them. Yes opens each in
// its own document window, unsaved; No moves them to "stare". A copy that
// cannot be read is shown as the reader's error and moved there too. Copies of
// a program still running are never touched.

class Autosave;
struct CommandContext;

void OfferRecovery(const CommandContext &context, Autosave &autosave);
