#include "document/ElementTableModel.h"

#include "common/Conversions.h"
#include "common/Encoding.h"

#include <array>

namespace {

const std::array<const char *, kElementGridColumns> kHeadings = {
    "RB.", "DUZINA", "SIRINA", "OZNAKA", "POV", "T", "P", "KOM",
};

std::string DimensionText(std::int32_t unit, std::int32_t millimetres)
{
    switch (unit) {
    case UnitCm:
        return FloatToFixed(1, 1, millimetres / 10.0);
    case UnitM:
        return FloatToFixed(1, 1, millimetres / 1000.0);
    default:
        return IntToText(millimetres);
    }
}

} // namespace

QString ElementHeading(int column)
{
    return QLatin1String(kHeadings.at(static_cast<std::size_t>(column)));
}

std::string ElementCellText(const DisplayOptions &options, const TElement &e, int number, int column)
{
    switch (column) {
    case 0:
        return IntToText(number);
    case 1:
        return DimensionText(options.unit, e.Length)
            + (options.bandingInUse ? BandingMark(options, e.LengthBanding) : std::string());
    case 2:
        return DimensionText(options.unit, e.Width)
            + (options.bandingInUse ? BandingMark(options, e.WidthBanding) : std::string());
    case 3:
        return Win1250ToUtf8(e.Label.str());
    case 4: {
        // 64-bit product: two large dimensions would overflow 32 bits.
        const std::int64_t area = std::int64_t(e.Length) * e.Width;
        return FloatToFixed(1, 2, area / 1000000.0) + " m\u00B2";
    }
    case 5:
        return e.Grain != 0 ? "+" : "-";
    case 6:
        return e.Priority != 0 ? "*" : "";
    case 7:
        return IntToText(e.Count);
    default:
        return std::string();
    }
}

ElementTableModel::ElementTableModel(const TElementList &elements, const TSettings &settings, QObject *parent)
    : QAbstractTableModel(parent), m_elements(elements), m_settings(settings)
{
    m_count = ElementCount(m_elements);
    m_display = DisplayOptionsOf(m_settings);
}

void ElementTableModel::Reset()
{
    beginResetModel();
    m_count = ElementCount(m_elements);
    m_display = DisplayOptionsOf(m_settings);
    endResetModel();
}

int ElementTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count + kFirstElementRow;
}

int ElementTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kElementGridColumns;
}

QVariant ElementTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return QVariant();
    const int row = index.row();
    if (row == 0)
        return ElementHeading(index.column());
    if (row < kFirstElementRow)
        return QString();
    const int number = row - 1;
    const TElement &e = m_elements[static_cast<std::size_t>(number - 1)];
    return QString::fromStdString(ElementCellText(m_display, e, number, index.column()));
}

QVariant ElementTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kElementGridColumns)
        return ElementHeading(section);
    return QVariant();
}

Qt::ItemFlags ElementTableModel::flags(const QModelIndex &index) const
{
    // The heading row is shown by the grid's header and can never be current.
    if (!index.isValid() || index.row() == 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
