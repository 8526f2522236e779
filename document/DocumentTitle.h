#pragma once
// The one rule for untitled documents: a title is untitled when its first eight
// letters read "UNTITLED" in any case. New documents are "Untitled n".

#include <QString>

bool IsUntitledTitle(const QString &title);
QString UntitledTitle(int number);
