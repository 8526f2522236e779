#pragma once
// What the entry dialogs' fields let stand and how their texts are read. The
// filters take one step, as a change handler does: the corrected text is written
// back, which runs the handler again until the text passes.

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// The new-elements dialog: a dimension in millimetres and a count keep digits only
// (the last character goes); a dimension in another unit is cut before the first
// character that is neither a digit nor the first point. A comma is the point.
QString FilterEntryDimension(const QString &text, std::int32_t unit);
QString FilterEntryCount(const QString &text);

// The edit dialog: cut before the first character that is not a digit or, when
// points are allowed, a point (any number of them). A comma is the point.
QString FilterEditField(const QString &text, bool pointAllowed);

// Only a well-formed whole number: digits and nothing else.
std::optional<std::int32_t> StrictWholeNumber(const QString &text);
// Pieces 1..65535 in strict digits; anything else is no count.
std::optional<std::uint16_t> CountFromText(const QString &text);
// Millimetres of a dimension typed in the new-elements dialog, from its decimal
// digits; nothing for a text that is no number. The caller refuses what is too long.
std::optional<std::int32_t> EntryMillimetres(const QString &text, std::int32_t unit, double unitFactor);
// Millimetres of a dimension in the edit dialog: strict digits when the factor is
// 1.0, else the decimal text divided by the factor exactly (by shifting its
// point), rounded half to even; only 1..kMaxDimensionMm is a dimension.
std::optional<std::int32_t> EditMillimetres(const QString &text, double unitFactor);

// The first 25 characters of a label field as Windows-1250 bytes; nothing when
// a character has no byte there (the label fields refuse such characters).
std::optional<std::string> LabelBytes(const QString &text);
