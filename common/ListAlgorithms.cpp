#include "common/ListAlgorithms.h"
