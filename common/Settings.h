#pragma once
// The 7648-byte settings record of "Setup.Dat": raw bytes with a typed accessor
// for every field the program uses. Bytes without a name are carried unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

constexpr const char *kSettingsFileName = "Setup.Dat";
constexpr const char *kSettingsBackupName = "setup.bak";

// Byte offsets of the named fields.
namespace SettingsOffset {
constexpr std::size_t UsableBoardLength = 19;   // int32, mm
constexpr std::size_t UsableBoardWidth = 23;    // int32, mm
constexpr std::size_t BoardLength = 58;         // int32, mm
constexpr std::size_t BoardWidth = 62;          // int32, mm
constexpr std::size_t PricePerM2 = 82;          // double
constexpr std::size_t Trim = 90;                // int32, mm
constexpr std::size_t EditHints = 149;          // flag
constexpr std::size_t AutoSort = 174;           // flag
constexpr std::size_t Unit = 175;               // int32: 1 mm, 2 cm, 3 m
constexpr std::size_t BandingInUse = 185;       // flag
constexpr std::size_t GroupPanel = 189;         // flag
constexpr std::size_t TapeSurplus = 225;        // byte, percent
constexpr std::size_t LabelsEntered = 227;      // flag
constexpr std::size_t DefaultGrain = 237;       // flag
constexpr std::size_t RememberedMaterial = 497; // uint16: combo index + 2
constexpr std::size_t MaterialName = 499;       // string[40]
constexpr std::size_t AddAbsThickness = 972;    // flag
constexpr std::size_t AbsThickness = 984;       // int32, mm
constexpr std::size_t ControlColour = 2238;     // colour
constexpr std::size_t MainColour = 2242;        // colour
constexpr std::size_t MaterialListLayout = 2246; // byte: 1 name first
constexpr std::size_t SelectedTextColour = 2251; // colour
constexpr std::size_t SelectedBackColour = 2255; // colour
constexpr std::size_t WindowWidth = 2259;       // uint16
constexpr std::size_t WindowHeight = 2261;      // uint16
constexpr std::size_t WindowLeft = 2263;        // uint16
constexpr std::size_t WindowTop = 2265;         // uint16
constexpr std::size_t WindowState = 2267;       // byte: 0 normal, 1 minimised, 2 maximised
constexpr std::size_t ColumnWidths = 2268;      // 8 x uint16
constexpr std::size_t TapeAllowance = 3354;     // int32, mm per banded edge
constexpr std::size_t ResetLength = 3358;       // flag
constexpr std::size_t ResetWidth = 3359;        // flag
constexpr std::size_t ResetCount = 3360;        // flag
constexpr std::size_t ClearLabel = 3361;        // flag
constexpr std::size_t ResetBanding = 3363;      // flag
constexpr std::size_t BandingMarks = 3476;      // string[6] at 3476 + 7 x code, code 1..5
} // namespace SettingsOffset

// The element grid's columns, RB. to KOM, whose widths the layout block keeps.
constexpr int kElementGridColumns = 8;
constexpr std::size_t kBandingMarkCapacity = 6;
constexpr std::size_t kMaterialNameCapacity = 40;

class TSettings {
public:
    static constexpr std::size_t Size = 7648;
    using Bytes = std::array<std::uint8_t, Size>;

    TSettings() { m_bytes.fill(0); }
    explicit TSettings(const Bytes &bytes) : m_bytes(bytes) {}

    Bytes &bytes() { return m_bytes; }
    const Bytes &bytes() const { return m_bytes; }
    std::uint8_t *data() { return m_bytes.data(); }

    // Plain typed access at any offset, for the field table of the tools.
    template <typename T> T get(std::size_t offset) const
    {
        T value;
        std::memcpy(&value, m_bytes.data() + offset, sizeof value);
        return value;
    }
    template <typename T> void set(std::size_t offset, T value)
    {
        std::memcpy(m_bytes.data() + offset, &value, sizeof value);
    }
    bool flag(std::size_t offset) const { return m_bytes[offset] != 0; }
    void setFlag(std::size_t offset, bool on) { m_bytes[offset] = on ? 1 : 0; }
    // string[capacity] at offset, as Windows-1250 bytes.
    std::string shortString(std::size_t offset, std::size_t capacity) const;
    void setShortString(std::size_t offset, std::size_t capacity, const std::string &bytes);

    std::int32_t UsableBoardLength() const { return get<std::int32_t>(SettingsOffset::UsableBoardLength); }
    void SetUsableBoardLength(std::int32_t v) { set(SettingsOffset::UsableBoardLength, v); }
    std::int32_t UsableBoardWidth() const { return get<std::int32_t>(SettingsOffset::UsableBoardWidth); }
    void SetUsableBoardWidth(std::int32_t v) { set(SettingsOffset::UsableBoardWidth, v); }
    std::int32_t BoardLength() const { return get<std::int32_t>(SettingsOffset::BoardLength); }
    void SetBoardLength(std::int32_t v) { set(SettingsOffset::BoardLength, v); }
    std::int32_t BoardWidth() const { return get<std::int32_t>(SettingsOffset::BoardWidth); }
    void SetBoardWidth(std::int32_t v) { set(SettingsOffset::BoardWidth, v); }
    double PricePerM2() const { return get<double>(SettingsOffset::PricePerM2); }
    void SetPricePerM2(double v) { set(SettingsOffset::PricePerM2, v); }
    std::int32_t Trim() const { return get<std::int32_t>(SettingsOffset::Trim); }
    void SetTrim(std::int32_t v) { set(SettingsOffset::Trim, v); }
    bool EditHints() const { return flag(SettingsOffset::EditHints); }
    void SetEditHints(bool on) { setFlag(SettingsOffset::EditHints, on); }
    bool AutoSort() const { return flag(SettingsOffset::AutoSort); }
    void SetAutoSort(bool on) { setFlag(SettingsOffset::AutoSort, on); }
    std::int32_t Unit() const { return get<std::int32_t>(SettingsOffset::Unit); }
    void SetUnit(std::int32_t v) { set(SettingsOffset::Unit, v); }
    bool BandingInUse() const { return flag(SettingsOffset::BandingInUse); }
    void SetBandingInUse(bool on) { setFlag(SettingsOffset::BandingInUse, on); }
    bool GroupPanel() const { return flag(SettingsOffset::GroupPanel); }
    void SetGroupPanel(bool on) { setFlag(SettingsOffset::GroupPanel, on); }
    std::uint8_t TapeSurplus() const { return m_bytes[SettingsOffset::TapeSurplus]; }
    void SetTapeSurplus(std::uint8_t v) { m_bytes[SettingsOffset::TapeSurplus] = v; }
    bool LabelsEntered() const { return flag(SettingsOffset::LabelsEntered); }
    void SetLabelsEntered(bool on) { setFlag(SettingsOffset::LabelsEntered, on); }
    bool DefaultGrain() const { return flag(SettingsOffset::DefaultGrain); }
    void SetDefaultGrain(bool on) { setFlag(SettingsOffset::DefaultGrain, on); }
    std::uint16_t RememberedMaterial() const { return get<std::uint16_t>(SettingsOffset::RememberedMaterial); }
    void SetRememberedMaterial(std::uint16_t v) { set(SettingsOffset::RememberedMaterial, v); }
    std::string MaterialName() const { return shortString(SettingsOffset::MaterialName, kMaterialNameCapacity); }
    void SetMaterialName(const std::string &bytes) { setShortString(SettingsOffset::MaterialName, kMaterialNameCapacity, bytes); }
    bool AddAbsThickness() const { return flag(SettingsOffset::AddAbsThickness); }
    void SetAddAbsThickness(bool on) { setFlag(SettingsOffset::AddAbsThickness, on); }
    std::int32_t AbsThickness() const { return get<std::int32_t>(SettingsOffset::AbsThickness); }
    void SetAbsThickness(std::int32_t v) { set(SettingsOffset::AbsThickness, v); }

    // Colours are Windows values: red in the low byte.
    std::uint32_t ControlColour() const { return get<std::uint32_t>(SettingsOffset::ControlColour); }
    void SetControlColour(std::uint32_t v) { set(SettingsOffset::ControlColour, v); }
    std::uint32_t MainColour() const { return get<std::uint32_t>(SettingsOffset::MainColour); }
    void SetMainColour(std::uint32_t v) { set(SettingsOffset::MainColour, v); }
    std::uint8_t MaterialListLayout() const { return m_bytes[SettingsOffset::MaterialListLayout]; }
    void SetMaterialListLayout(std::uint8_t v) { m_bytes[SettingsOffset::MaterialListLayout] = v; }
    std::uint32_t SelectedTextColour() const { return get<std::uint32_t>(SettingsOffset::SelectedTextColour); }
    void SetSelectedTextColour(std::uint32_t v) { set(SettingsOffset::SelectedTextColour, v); }
    std::uint32_t SelectedBackColour() const { return get<std::uint32_t>(SettingsOffset::SelectedBackColour); }
    void SetSelectedBackColour(std::uint32_t v) { set(SettingsOffset::SelectedBackColour, v); }

    // Layout of document windows.
    std::uint16_t WindowWidth() const { return get<std::uint16_t>(SettingsOffset::WindowWidth); }
    void SetWindowWidth(std::uint16_t v) { set(SettingsOffset::WindowWidth, v); }
    std::uint16_t WindowHeight() const { return get<std::uint16_t>(SettingsOffset::WindowHeight); }
    void SetWindowHeight(std::uint16_t v) { set(SettingsOffset::WindowHeight, v); }
    std::uint16_t WindowLeft() const { return get<std::uint16_t>(SettingsOffset::WindowLeft); }
    void SetWindowLeft(std::uint16_t v) { set(SettingsOffset::WindowLeft, v); }
    std::uint16_t WindowTop() const { return get<std::uint16_t>(SettingsOffset::WindowTop); }
    void SetWindowTop(std::uint16_t v) { set(SettingsOffset::WindowTop, v); }
    std::uint8_t WindowState() const { return m_bytes[SettingsOffset::WindowState]; }
    void SetWindowState(std::uint8_t v) { m_bytes[SettingsOffset::WindowState] = v; }
    // column 1..8
    std::uint16_t ColumnWidth(int column) const { return get<std::uint16_t>(ColumnOffset(column)); }
    void SetColumnWidth(int column, std::uint16_t v) { set(ColumnOffset(column), v); }

    std::int32_t TapeAllowance() const { return get<std::int32_t>(SettingsOffset::TapeAllowance); }
    void SetTapeAllowance(std::int32_t v) { set(SettingsOffset::TapeAllowance, v); }
    bool ResetLength() const { return flag(SettingsOffset::ResetLength); }
    void SetResetLength(bool on) { setFlag(SettingsOffset::ResetLength, on); }
    bool ResetWidth() const { return flag(SettingsOffset::ResetWidth); }
    void SetResetWidth(bool on) { setFlag(SettingsOffset::ResetWidth, on); }
    bool ResetCount() const { return flag(SettingsOffset::ResetCount); }
    void SetResetCount(bool on) { setFlag(SettingsOffset::ResetCount, on); }
    bool ClearLabel() const { return flag(SettingsOffset::ClearLabel); }
    void SetClearLabel(bool on) { setFlag(SettingsOffset::ClearLabel, on); }
    bool ResetBanding() const { return flag(SettingsOffset::ResetBanding); }
    void SetResetBanding(bool on) { setFlag(SettingsOffset::ResetBanding, on); }

    // code 1..5, Windows-1250 bytes
    std::string BandingMarkText(int code) const { return shortString(BandingMarkOffset(code), kBandingMarkCapacity); }
    void SetBandingMarkText(int code, const std::string &bytes) { setShortString(BandingMarkOffset(code), kBandingMarkCapacity, bytes); }

    static constexpr std::size_t ColumnOffset(int column) { return SettingsOffset::ColumnWidths + 2 * (column - 1); }
    static constexpr std::size_t BandingMarkOffset(int code) { return SettingsOffset::BandingMarks + 7 * code; }

private:
    Bytes m_bytes;
};

static_assert(sizeof(TSettings) == TSettings::Size, "the record is its bytes and nothing else");
static_assert(TSettings::ColumnOffset(8) + 2 <= TSettings::BandingMarkOffset(1));
static_assert(TSettings::BandingMarkOffset(5) + 7 <= TSettings::Size);
