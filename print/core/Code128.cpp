#include "print/core/Code128.h"

#include "common/ResultCodes.h"

#include <zint.h>

#include <cmath>
#include <memory>

namespace {

struct ZintDeleter {
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

int Modules(float units, float unitsPerModule)
{
    return static_cast<int>(std::lround(units / unitsPerModule));
}

} // namespace

int EncodeCode128(const QByteArray &latin1, Code128Symbol &symbol)
{
    symbol = Code128Symbol{};
    const std::unique_ptr<zint_symbol, ZintDeleter> zint(ZBarcode_Create());
    if (!zint)
        return rcUnexpectedError;
    zint->symbology = BARCODE_CODE128;
    zint->input_mode = DATA_MODE; // the bytes are Latin-1 already
    zint->show_hrt = 0;           // the caller writes the text in its own font
    zint->whitespace_width = kQuietZoneModules;
    const int encoded = ZBarcode_Encode_and_Buffer_Vector(
        zint.get(), reinterpret_cast<const unsigned char *>(latin1.constData()), static_cast<int>(latin1.size()), 0);
    if (encoded >= ZINT_ERROR || !zint->vector)
        return rcUnexpectedError;

    const int modules = zint->width + 2 * kQuietZoneModules;
    const float unitsPerModule = zint->vector->width / static_cast<float>(modules);
    Code128Symbol made;
    made.modules = modules;
    for (const zint_vector_rect *rect = zint->vector->rectangles; rect; rect = rect->next)
        made.bars.push_back(BarcodeBar{Modules(rect->x, unitsPerModule), Modules(rect->width, unitsPerModule)});
    symbol = std::move(made);
    return rcOK;
}
