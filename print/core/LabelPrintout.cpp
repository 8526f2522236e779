#include "print/core/LabelPrintout.h"

#include "print/core/LabelDrawing.h"
#include "print/core/Win1250Text.h"

#include "common/ResultCodes.h"

namespace {

LabelCommonTexts CommonTexts(const LabelDocument &document, const PrintoutSettings &settings)
{
    LabelCommonTexts common;
    common.Customer = document.Customer;
    common.Title = document.Title;
    common.Material = FromWin1250(settings.materialName);
    for (int code = 1; code < kBandingCodeCount; ++code)
        common.BandingMarks[code] = FromWin1250(settings.bandingMarks[code]);
    return common;
}

} // namespace

int PrintPartLabels(PrintCanvas &canvas, const LabelDocument &document, const PrintoutSettings &settings,
                    const LabelPrintOptions &options, PrintProgress *progress)
{
    if (!IsLabelPosition(options.layout, options.firstPosition))
        return rcUnexpectedError;
    const std::vector<PartLabel> labels =
        options.plan ? PlanOrderedLabels(PartLabels(document), *options.plan) : PartLabels(document);
    const LabelCommonTexts common = CommonTexts(document, settings);
    const int perPage = SheetOf(options.layout).LabelsPerPage();
    const int total = static_cast<int>(labels.size());

    canvas.SetTitle(QString::fromLatin1(kLabelJobTitle));
    const int begun = canvas.Begin();
    if (begun != rcOK)
        return begun;
    int failure = rcOK;
    for (int i = 0; i < total; ++i) {
        if (progress)
            progress->Step(i, total);
        if (canvas.Aborted())
            break;
        const int slot = (options.firstPosition - 1 + i) % perPage;
        if (i > 0 && slot == 0)
            canvas.NewPage();
        const int drawn = DrawPartLabel(canvas, LabelRect(options.layout, slot + 1, canvas.DpiX()), labels[i], common);
        if (failure == rcOK)
            failure = drawn;
    }
    const int ended = canvas.End();
    return failure != rcOK ? failure : ended;
}
