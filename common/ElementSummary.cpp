#include "common/ElementSummary.h"
