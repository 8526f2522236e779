#pragma once
// Texts of the forms that must show whole in the room their widget gives them:
// the font steps down a pixel at a time until each text fits, never below
// 6 pixels. Data that may be of any length (a name) is elided instead.

#include <QFont>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

// The largest size of `font`, not above its own, at which every text's advance
// is at most `width` pixels; the smallest size when none fits.
QFont FontFitting(const QFont &font, const QStringList &texts, int width);

// The room a widget gives its caption, as its style lays it out.
int CaptionRoom(const QPushButton &button);
int CaptionRoom(const QCheckBox &box);

// Gives the widget the font in which its caption fits its room.
void FitCaption(QPushButton &button);
void FitCaption(QCheckBox &box);

// Shows text in the label, cut with "…" where it is wider than `width`.
void SetElidedText(QLabel &label, const QString &text, int width);
