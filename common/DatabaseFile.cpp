#include "common/DatabaseFile.h"

#include "common/AtomicFile.h"
#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"

#include <cctype>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kTypeTabular = "TABDTA";
constexpr std::string_view kTypeUniversal = "UNIDTA";
constexpr std::string_view kWrittenVersion = "DAT5.0";
constexpr std::string_view kWrittenRevision = "1.00";
constexpr std::uint8_t kWrittenBodyFormat = 3;

enum BodyLayout : int { LayoutLegacy = 1, LayoutRecords = 2, LayoutCounted = 3 };

// The length byte and every character must match, nothing after them counts.
template <std::size_t N>
bool Equals(const ShortString<N> &s, std::string_view text)
{
    return s.Length == text.size() && std::memcmp(s.Chars, text.data(), text.size()) == 0;
}

// Copies a label of any capacity, cut to what the destination holds.
template <std::size_t To, std::size_t From>
void CopyLabel(ShortString<To> &to, const ShortString<From> &from)
{
    to.assign(from.str());
}

enum class ReadResult { Full, AtEnd, Short };

// A record either arrives whole, or the file has ended before it, or it is cut off.
ReadResult ReadRecord(int file, void *record, std::size_t size)
{
    const ssize_t got = ReadFully(file, record, size);
    if (got == static_cast<ssize_t>(size))
        return ReadResult::Full;
    return got == 0 ? ReadResult::AtEnd : ReadResult::Short;
}

TElement ConvertLegacyElement(const TLegacyElement &legacy)
{
    TElement e = ZeroElement();
    static_assert(sizeof legacy.Fields == offsetof(TElement, SkipMark));
    std::memcpy(&e, legacy.Fields, sizeof legacy.Fields);
    CopyLabel(e.Label, legacy.Label);
    return e;
}

// The fields a TUniversalRecord shares with a TElement, copied either way into
// an otherwise zero record; the label is cut to what the destination holds.
template <typename To, typename From>
To WithUniversalFields(const From &from)
{
    To to;
    std::memset(static_cast<void *>(&to), 0, sizeof to);
    to.Length = from.Length;
    to.Width = from.Width;
    to.LengthBanding = from.LengthBanding;
    to.WidthBanding = from.WidthBanding;
    to.Aux1 = from.Aux1;
    to.Aux2 = from.Aux2;
    to.Aux3 = from.Aux3;
    to.Aux4 = from.Aux4;
    to.AuxByte1 = from.AuxByte1;
    to.AuxByte2 = from.AuxByte2;
    to.AuxByte3 = from.AuxByte3;
    to.Grain = from.Grain;
    to.Count = from.Count;
    CopyLabel(to.Label, from.Label);
    return to;
}

// Reads records of type Record up to the end of the file or up to a full list,
// converting each into the next slot. -145 for a record cut off.
template <typename Record, typename Convert>
int ReadUntilEnd(int file, TElementList &list, Convert convert)
{
    for (TElement &slot : list) {
        Record record;
        switch (ReadRecord(file, &record, sizeof record)) {
        case ReadResult::AtEnd: return rcOK;
        case ReadResult::Short: return rcBodyCorrupted;
        case ReadResult::Full: slot = convert(record); break;
        }
    }
    return rcOK;
}

int ReadCountedBody(int file, const TDatabaseHeader &header, TElementList &list,
                    TElementGroups &groups)
{
    // Checked before anything is read: the counts come from the file.
    if (header.ElementsStored > kMaxElements || header.GroupsStored > kGroupsPerDocument)
        return rcHeaderCorrupted;
    const std::size_t elementBytes = header.ElementsStored * sizeof(TElement);
    if (ReadFully(file, list.data(), elementBytes) != static_cast<ssize_t>(elementBytes))
        return rcBodyCorrupted;
    const std::size_t groupBytes = header.GroupsStored * sizeof(TElementGroup);
    if (ReadFully(file, groups.data(), groupBytes) != static_cast<ssize_t>(groupBytes))
        return rcBodyCorrupted;
    return rcOK;
}

int BodyLayoutOf(const TDatabaseHeader &header)
{
    if (Equals(header.Version, "DAT3.0"))
        return LayoutLegacy;
    if (Equals(header.Version, "DAT4.0"))
        return LayoutRecords;
    if (Equals(header.Version, "DAT5.0"))
        return LayoutCounted;
    return header.BodyFormat;
}

int ReadTabularBody(int file, const TDatabaseHeader &header, TElementList &list,
                    TElementGroups &groups)
{
    switch (BodyLayoutOf(header)) {
    case LayoutLegacy: return ReadUntilEnd<TLegacyElement>(file, list, ConvertLegacyElement);
    case LayoutRecords:
        return ReadUntilEnd<TElement>(file, list, [](const TElement &e) { return e; });
    case LayoutCounted: return ReadCountedBody(file, header, list, groups);
    default: return rcOK; // an unknown layout opens as an empty list
    }
}

// A file may hold records after an empty one; they are no elements, and left in
// place they would come back into view as soon as an element is appended.
void ZeroAfter(TElement *slots, int total, int inUse)
{
    std::memset(static_cast<void *>(slots + inUse), 0, (total - inUse) * sizeof(TElement));
}

void DropTrailingSlots(TElementList &list, TElementGroups &groups)
{
    ZeroAfter(list.data(), kMaxElements, ElementCount(list));
    const int g = GroupCount(groups);
    for (int i = 0; i < g; ++i) {
        ZeroAfter(groups[i].Pieces, kPiecesPerGroup, GroupPieceCount(groups[i]));
        std::memset(groups[i].Padding, 0, sizeof groups[i].Padding);
    }
    std::memset(static_cast<void *>(groups.data() + g), 0, (kGroupsPerDocument - g) * sizeof(TElementGroup));
}

int SkippedElements(const TElementList &list, int n)
{
    int skipped = 0;
    for (int i = 0; i < n; ++i)
        skipped += list[i].SkipMark != 0 ? 1 : 0;
    return skipped;
}

TDatabaseHeader MakeHeader(bool universal, const TElementList &list, const TElementGroups &groups,
                           const std::string &customer, const std::string &address,
                           const std::string &telephone)
{
    TDatabaseHeader header;
    std::memset(&header, 0, sizeof header);
    header.Version.assign(kWrittenVersion);
    header.FileType.assign(universal ? kTypeUniversal : kTypeTabular);
    header.Revision.assign(kWrittenRevision);
    header.BodyFormat = kWrittenBodyFormat;
    const int n = ElementCount(list);
    header.GroupsStored = static_cast<std::uint16_t>(GroupCount(groups));
    header.ElementsStored = static_cast<std::uint16_t>(n - SkippedElements(list, n));
    header.Customer.assign(customer);
    header.Address.assign(address);
    header.Telephone.assign(telephone);
    return header;
}

template <typename T>
void Append(std::vector<char> &bytes, const T &record)
{
    const char *p = reinterpret_cast<const char *>(&record);
    bytes.insert(bytes.end(), p, p + sizeof record);
}

// The whole file is assembled in memory and handed to the writer in one piece.
std::vector<char> FileImage(bool universal, const TDatabaseHeader &header, const TElementList &list,
                            const TElementGroups &groups)
{
    std::vector<char> bytes;
    bytes.reserve(sizeof header + sizeof list + sizeof groups);
    Append(bytes, header);
    const int n = ElementCount(list);
    for (int i = 0; i < n; ++i) {
        if (universal)
            Append(bytes, WithUniversalFields<TUniversalRecord>(list[i]));
        else if (list[i].SkipMark == 0)
            Append(bytes, list[i]);
    }
    if (!universal) {
        for (int i = 0; i < header.GroupsStored; ++i)
            Append(bytes, groups[i]);
    }
    return bytes;
}

} // namespace

bool IsUniversalFileName(const std::string &name)
{
    constexpr std::string_view suffix = ".tun";
    if (name.size() < suffix.size())
        return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i])
            return false;
    }
    return true;
}

bool UniversalFileLoses(const DatabaseContents &contents)
{
    if (GroupCount(contents.Groups) > 0)
        return true;
    constexpr std::size_t kKeptLabel = decltype(TUniversalRecord::Label)::Capacity;
    const int n = ElementCount(contents.Elements);
    for (int i = 0; i < n; ++i) {
        if (contents.Elements[static_cast<std::size_t>(i)].Label.str().size() > kKeptLabel)
            return true;
    }
    return false;
}

int ReadDatabaseFile(const std::string &name, TElementList &list, TElementGroups &groups,
                     TDatabaseHeader &header, FileFingerprint *read)
{
    const bool universal = IsUniversalFileName(name);
    // A name that cannot even be looked at cannot be read either.
    std::string linked;
    if (ResolveLinks(name, linked) != rcOK)
        return rcFileNotFound;
    FinishInterruptedWrites(linked);
    // A directory, a FIFO or a device is no database and counts as not found.
    const FileDescriptor file = OpenRegularFileForReading(name);
    if (!file.isOpen())
        return rcFileNotFound;
    ClearList(list);
    ClearGroups(groups);

    TDatabaseHeader stored;
    if (ReadRecord(file.get(), &stored, sizeof stored) != ReadResult::Full)
        return rcHeaderCorrupted;
    header = stored;
    if (!Equals(header.FileType, universal ? kTypeUniversal : kTypeTabular))
        return rcHeaderCorrupted;

    const int result = universal
        ? ReadUntilEnd<TUniversalRecord>(file.get(), list, WithUniversalFields<TElement, TUniversalRecord>)
        : ReadTabularBody(file.get(), header, list, groups);
    DropTrailingSlots(list, groups);
    // The same open file: a save by another program meanwhile cannot slip in between.
    if (result == rcOK && read != nullptr && FingerprintOfOpenFile(file.get(), *read) != rcOK)
        return rcBodyCorrupted;
    return result;
}

int WriteDatabaseFile(const std::string &name, const TElementList &list, const TElementGroups &groups,
                      const std::string &customer, const std::string &address, const std::string &telephone,
                      FileFingerprint *written)
{
    const bool universal = IsUniversalFileName(name);
    const TDatabaseHeader header = MakeHeader(universal, list, groups, customer, address, telephone);
    const std::vector<char> bytes = FileImage(universal, header, list, groups);

    const int code = WriteFileAtomically(name, bytes.data(), bytes.size());
    if (code == rcOK && written != nullptr)
        *written = FingerprintOf(bytes.data(), bytes.size());
    return code;
}

int ReadDatabaseContents(const std::string &name, DatabaseContents &contents, FileFingerprint *read)
{
    TDatabaseHeader header{};
    const int code = ReadDatabaseFile(name, contents.Elements, contents.Groups, header, read);
    contents.Customer = CustomerTexts{header.Customer.str(), header.Address.str(), header.Telephone.str()};
    return code;
}

int WriteDatabaseContents(const std::string &name, const DatabaseContents &contents, FileFingerprint *written)
{
    return WriteDatabaseFile(name, contents.Elements, contents.Groups, contents.Customer.Customer,
                             contents.Customer.Address, contents.Customer.Telephone, written);
}
