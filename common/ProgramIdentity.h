#pragma once
// How the program names itself to the workshop: the about box and the footer of
// every printout show the same lines.

constexpr const char *kProgramVersionLine = "MvInput, verzija 1.00 (1)";
constexpr const char *kProgramPurposeLine = "Morvena MvInput - unos, cuvanje i stampanje spiskova elemenata za krojenje ploca";
constexpr const char *kProgramSuiteLine = "Deo programskog paketa Morvena za radionice namestaja i obradu ploca";
