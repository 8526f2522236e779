#include "common/exchange/ExchangeLayout.h"

#include "common/DatabaseFile.h"

#include <cstddef>
#include <type_traits>

namespace {

Column RequiredColumn(Column column)
{
    column.Required = true;
    return column;
}

template <typename Field>
Column CarriedColumn(const char *heading, std::size_t offset)
{
    return Column{heading, CellKind::Carried, false, "", offset, sizeof(Field), std::is_signed_v<Field>};
}

// The heading is the field's own name.
#define MV_CARRIED(field) CarriedColumn<decltype(TElement::field)>(#field, offsetof(TElement, field))

// The short forms a sheet's count column goes by.
constexpr const char *kCountNames = "kom|kom.|komada|komad|kol|kol.|kolicina|qty|broj";

std::vector<FormatLayout> MakeLayouts()
{
    return {
        // Codes, flags and counts as the bytes hold them, so that any record comes back.
        {ExchangeFormat::MvInput, "mvinput", ',', true, false, "\n", true, true,
         {{"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          MV_CARRIED(LengthBanding), MV_CARRIED(WidthBanding),
          MV_CARRIED(Aux1), MV_CARRIED(Aux2), MV_CARRIED(Aux3), MV_CARRIED(Aux4),
          MV_CARRIED(AuxByte1), MV_CARRIED(AuxByte2), MV_CARRIED(AuxByte3),
          MV_CARRIED(Grain),
          MV_CARRIED(AuxByte4),
          RequiredColumn(MV_CARRIED(Count)),
          MV_CARRIED(SkipMark), MV_CARRIED(Priority),
          {"Label", CellKind::Label},
          {"Reserved", CellKind::Reserved},
          {"LabelPadding", CellKind::LabelPadding},
          {"Group", CellKind::Group},
          {"LabelLength", CellKind::LabelLength}}},
        // Before cutlist-optimizer: a header of only Length, Width and Qty is read as smart2d.
        {ExchangeFormat::Smart2d, "smart2d", ',', true, false, "\n", true, false,
         {{"Description", CellKind::Label},
          {"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          {"Qty", CellKind::Count, true, kCountNames},
          {"Rotate", CellKind::Rotate},
          {"Material", CellKind::Unused},
          {"Part code", CellKind::Unused},
          {"Top band", CellKind::TopTape},
          {"Left band", CellKind::LeftTape},
          {"Bottom band", CellKind::BottomTape},
          {"Right band", CellKind::RightTape},
          {"Works", CellKind::Unused},
          {"Notes", CellKind::Unused}}},
        {ExchangeFormat::CutlistOptimizer, "cutlist-optimizer", ',', false, false, "\n", false, false,
         {{"Length", CellKind::Length, true},
          {"Width", CellKind::Width, true},
          {"Qty", CellKind::Count, true, kCountNames},
          {"Label", CellKind::Label},
          {"Enabled", CellKind::Enabled}}},
        {ExchangeFormat::Spreadsheet, "spreadsheet", ';', true, true, "\r\n", true, false,
         {{"RB", CellKind::Position, false, "rb.|r.b.|r. b.|redni broj"},
          {"Duzina", CellKind::Length, true, "duz|duz."},
          {"Sirina", CellKind::Width, true, "sir|sir."},
          {"Komada", CellKind::Count, true, kCountNames},
          {"Tekstura", CellKind::Grain, false, "prati teksturu"},
          {"Kant duzine", CellKind::LengthBanding},
          {"Kant sirine", CellKind::WidthBanding},
          {"Oznaka", CellKind::Label, false, "naziv|opis"}}},
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
