#include "common/Conversions.h"
