#pragma once
// Among plans of as many boards, the better one leaves the larger offcut on its
// last board: the emptiest board gives what other boards can take, and is laid
// out anew for the largest free part.

#include "common/cutting/BoardSet.h"

// Changes only where pieces lie; the number of boards never grows.
void PolishLastBoard(const PlanProblem &problem, BoardSet &boards);
