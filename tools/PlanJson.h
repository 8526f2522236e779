#pragma once
// A cutting plan as the JSON that tests, other tools and the saw's software
// read: millimetres, x along the board's length and y along its width from the
// corner of the usable area, the keys in a fixed order.

#include "common/cutting/CuttingPlan.h"

#include <string>

std::string PlanJsonText(const CuttingPlan &plan);
