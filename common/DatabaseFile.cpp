#include "common/DatabaseFile.h"
