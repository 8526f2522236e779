#pragma once
// The pieces a cutting plan is made of, named as the part labels name them:
// element k's pieces "k/1" .. "k/<Count>", then group g's pieces "G<g>.<p>".

#include "common/Element.h"
#include "common/cutting/CuttingPlan.h"

#include <cstdint>
#include <string>
#include <vector>

// "k/n": piece n of element k; "G<g>.<p>": piece p of group g.
std::string ElementPieceRef(int element, int piece);
std::string GroupPieceRef(int group, int piece);

// Every piece of the list's elements and of its groups.
std::int64_t PlanPieceCount(const TElementList &list, const TElementGroups &groups);

// The pieces in label order. A list of more than kMaxPlanPieces gives only the
// first kMaxPlanPieces + 1, enough for the planner to refuse it without
// building millions of pieces.
std::vector<CuttingPiece> PlanPiecesOf(const TElementList &list, const TElementGroups &groups);
