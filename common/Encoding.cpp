#include "common/Encoding.h"
