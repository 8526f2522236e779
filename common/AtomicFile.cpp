#include "common/AtomicFile.h"
