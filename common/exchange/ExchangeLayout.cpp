#include "common/exchange/ExchangeLayout.h"

#include "common/DatabaseFile.h"

#include <cstddef>
#include <type_traits>

namespace {

template <typename Field>
Column CarriedColumn(const char *heading, std::size_t offset)
{
    return Column{heading, CellKind::Carried, false, offset, sizeof(Field), std::is_signed_v<Field>};
}

// The heading is the field's own name.
#define MV_CARRIED(field) CarriedColumn<decltype(TElement::field)>(#field, offsetof(TElement, field))

std::vector<FormatLayout> MakeLayouts()
{
    return {
        {ExchangeFormat::MvInput, "mvinput", ',', true, false, "\n", true,
         {{"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          {"LengthBanding", CellKind::LengthBanding},
          {"WidthBanding", CellKind::WidthBanding},
          MV_CARRIED(Aux1), MV_CARRIED(Aux2), MV_CARRIED(Aux3), MV_CARRIED(Aux4),
          MV_CARRIED(AuxByte1), MV_CARRIED(AuxByte2), MV_CARRIED(AuxByte3),
          {"Grain", CellKind::Grain},
          MV_CARRIED(AuxByte4),
          {"Count", CellKind::Count, true},
          MV_CARRIED(SkipMark), MV_CARRIED(Priority),
          {"Label", CellKind::Label},
          {"Reserved", CellKind::Reserved},
          {"LabelPadding", CellKind::LabelPadding},
          {"Group", CellKind::Group}}},
        // Before cutlist-optimizer: a header of only Length, Width and Qty is read as smart2d.
        {ExchangeFormat::Smart2d, "smart2d", ',', true, false, "\n", true,
         {{"Description", CellKind::Label},
          {"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          {"Qty", CellKind::Count, true},
          {"Rotate", CellKind::Rotate},
          {"Material", CellKind::Unused},
          {"Part code", CellKind::Unused},
          {"Top band", CellKind::TopTape},
          {"Left band", CellKind::LeftTape},
          {"Bottom band", CellKind::BottomTape},
          {"Right band", CellKind::RightTape},
          {"Works", CellKind::Unused},
          {"Notes", CellKind::Unused}}},
        {ExchangeFormat::CutlistOptimizer, "cutlist-optimizer", ',', false, false, "\n", false,
         {{"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          {"Qty", CellKind::Count, true},
          {"Label", CellKind::Label},
          {"Enabled", CellKind::Enabled}}},
        {ExchangeFormat::Spreadsheet, "spreadsheet", ';', true, true, "\r\n", true,
         {{"RB", CellKind::Position},
          {"Duzina", CellKind::Length, true},
          {"Sirina", CellKind::Width, true},
          {"Komada", CellKind::Count, true},
          {"Tekstura", CellKind::Grain},
          {"Kant duzine", CellKind::LengthBanding},
          {"Kant sirine", CellKind::WidthBanding},
          {"Oznaka", CellKind::Label}}},
    };
}

#undef MV_CARRIED

} // namespace

const CustomerRow kCustomerRows[3] = {
    {"#Customer", &CustomerTexts::Customer, decltype(TDatabaseHeader::Customer)::Capacity, "kupac"},
    {"#Address", &CustomerTexts::Address, decltype(TDatabaseHeader::Address)::Capacity, "adresa"},
    {"#Telephone", &CustomerTexts::Telephone, decltype(TDatabaseHeader::Telephone)::Capacity, "telefon"},
};

const std::vector<FormatLayout> &ExchangeLayouts()
{
    static const std::vector<FormatLayout> layouts = MakeLayouts();
    return layouts;
}

const FormatLayout &LayoutOf(ExchangeFormat format)
{
    for (const FormatLayout &layout : ExchangeLayouts()) {
        if (layout.Format == format)
            return layout;
    }
    return ExchangeLayouts().front(); // every enumerator has a layout
}
