// The settings record read from a file of any bytes, and every field of it
// through its accessors: each value stored back leaves the record unchanged.

#include "FuzzSupport.h"
#include "tests/support/SettingsFieldSize.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "tools/SettingsFields.h"

namespace {

// Stores the field's own value back and requires the record to stay as it was;
// only a flag byte other than 0 and 1 becomes 1.
void RequireFieldRoundTrip(const TSettings &settings, const TSettingsField &field)
{
    Require(field.Offset + SettingsFieldSize(field) <= TSettings::Size, "a field lies inside the record");
    TSettings copy = settings;
    switch (field.Kind) {
    case SettingsFieldKind::Text: {
        const std::string text = settings.shortString(field.Offset, field.Capacity);
        Require(text.size() <= field.Capacity, "a text fits its capacity");
        copy.setShortString(field.Offset, field.Capacity, text);
        Require(copy.shortString(field.Offset, field.Capacity) == text, "a text stored back reads the same");
        // The setter zeroes the characters after the text and cuts a length
        // byte beyond the capacity, and touches nothing outside the field.
        Require(SameBytes(copy.bytes().data(), settings.bytes().data(), field.Offset)
                    && SameBytes(copy.bytes().data() + field.Offset + 1, settings.bytes().data() + field.Offset + 1,
                                 text.size()),
                "a text stored back keeps the bytes before its end");
        const std::size_t end = field.Offset + 1 + field.Capacity;
        Require(SameBytes(copy.bytes().data() + end, settings.bytes().data() + end, TSettings::Size - end),
                "a text stored back keeps the bytes after its field");
        return;
    }
    case SettingsFieldKind::Double:
        copy.set(field.Offset, settings.get<double>(field.Offset));
        break;
    case SettingsFieldKind::ColumnWidths:
        for (int column = 1; column <= kElementGridColumns; ++column)
            SetIntegerField(copy, field, GetIntegerField(settings, field, column), column);
        break;
    case SettingsFieldKind::Flag: {
        const std::int64_t value = GetIntegerField(settings, field);
        Require(value == 0 || value == 1, "a flag reads 0 or 1");
        SetIntegerField(copy, field, value);
        Require(GetIntegerField(copy, field) == value, "a flag stored back reads the same");
        copy.bytes()[field.Offset] = settings.bytes()[field.Offset];
        break;
    }
    case SettingsFieldKind::Byte:
    case SettingsFieldKind::UInt16:
    case SettingsFieldKind::Int32:
    case SettingsFieldKind::Colour:
        SetIntegerField(copy, field, GetIntegerField(settings, field));
        break;
    }
    Require(copy.bytes() == settings.bytes(), "a value stored back leaves the record unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input = WriteInputFile(kSettingsFileName, data, size);
    static TSettings settings;
    const int code = ReadSettingsRecord(input, settings.data());
    Require(code == (size >= TSettings::Size ? rcOK : rcFileCorrupted), "only a short record is refused");
    if (code != rcOK)
        return 0;
    Require(SameBytes(settings.bytes().data(), data, TSettings::Size), "the record holds the file's first bytes");

    for (const TSettingsField &field : SettingsFields()) {
        Require(FindSettingsField(field.Section, field.Key) == &field, "every field is found by its key");
        RequireFieldRoundTrip(settings, field);
    }
    for (int mark = 1; mark <= 5; ++mark)
        Require(settings.BandingMarkText(mark).size() <= kBandingMarkCapacity, "a banding mark fits");
    Require(settings.MaterialName().size() <= kMaterialNameCapacity, "the material name fits");
    return 0;
}
