#pragma once
// The shared element routines in one include.

#include "common/AtomicFile.h"
#include "common/BoardType.h"
#include "common/Conversions.h"
#include "common/DatabaseStatistics.h"
#include "common/DatabaseFile.h"
#include "common/Element.h"
#include "common/ElementSummary.h"
#include "common/Encoding.h"
#include "common/FileUtils.h"
#include "common/ListAlgorithms.h"
#include "common/MessageSink.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
