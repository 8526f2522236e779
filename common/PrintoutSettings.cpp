#include "common/PrintoutSettings.h"

#include "common/Settings.h"

PrintoutSettings PrintoutSettingsOf(const TSettings &settings)
{
    PrintoutSettings printout;
    printout.unit = settings.Unit();
    for (int code = 1; code < kBandingCodeCount; ++code)
        printout.bandingMarks[code] = settings.BandingMarkText(code);
    printout.materialName = settings.MaterialName();
    return printout;
}
