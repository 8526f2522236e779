#include "common/ProgramState.h"

#include "common/Encoding.h"

DisplayOptions ProgramState::Display() const
{
    DisplayOptions options;
    options.unit = Settings.Unit();
    options.bandingInUse = Settings.BandingInUse();
    for (int code = 1; code < kBandingCodeCount; ++code)
        options.bandingMarks[code] = Win1250ToUtf8(Settings.BandingMarkText(code));
    return options;
}
