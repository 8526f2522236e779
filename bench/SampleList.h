#pragma once
// The list the benchmarks work on: 800 elements with varied sizes, grain,
// banding and labels, in which `kinds` distinct elements repeat.

#include "common/Element.h"

TElementList SampleList(int kinds = kMaxElements);
