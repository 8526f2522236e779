#include "common/BoardType.h"
