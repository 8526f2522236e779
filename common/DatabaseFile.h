#pragma once
// Element database files: TABDTA (".tab" and every name not ending ".tun") and
// UNIDTA (".tun"). Only these two routines touch them; both return result codes.

#include "common/DatabaseContents.h"
#include "common/Element.h"
#include "common/FileFingerprint.h"
#include "common/ShortString.h"

#include <cstddef>
#include <cstdint>
#include <string>

#pragma pack(push, 1)
struct TDatabaseHeader {
    ShortString<6> Version;       // "DAT5.0"
    ShortString<6> FileType;      // "TABDTA" or "UNIDTA"
    ShortString<4> Revision;      // "1.00"
    std::uint8_t Reserved1;
    std::uint8_t BodyFormat;      // layout when Version is unknown
    std::uint16_t GroupsStored;
    std::uint16_t ElementsStored;
    std::uint8_t Reserved2[7];
    ShortString<50> Customer;
    ShortString<50> Address;
    ShortString<30> Telephone;
};

// Body record of layout 1 ("DAT3.0").
struct TLegacyElement {
    std::uint8_t Fields[33];      // TElement offsets 0..32, unchanged
    std::uint8_t Ignored[20];
    ShortString<15> Label;
};

// Body record of a UNIDTA file.
struct TUniversalRecord {
    std::int32_t Length;
    std::int32_t Width;
    std::uint8_t LengthBanding;
    std::uint8_t WidthBanding;
    std::int32_t Aux1;
    std::int32_t Aux2;
    std::int32_t Aux3;
    std::int32_t Aux4;
    std::uint8_t AuxByte1;
    std::uint8_t AuxByte2;
    std::uint8_t AuxByte3;
    std::uint8_t Grain;
    std::uint16_t Count;          // offset 30 here, 31 in TElement
    std::uint8_t Reserved[20];
    ShortString<15> Label;
};
#pragma pack(pop)

static_assert(sizeof(TDatabaseHeader) == 165);
static_assert(offsetof(TDatabaseHeader, Version) == 0);
static_assert(offsetof(TDatabaseHeader, FileType) == 7);
static_assert(offsetof(TDatabaseHeader, Revision) == 14);
static_assert(offsetof(TDatabaseHeader, Reserved1) == 19);
static_assert(offsetof(TDatabaseHeader, BodyFormat) == 20);
static_assert(offsetof(TDatabaseHeader, GroupsStored) == 21);
static_assert(offsetof(TDatabaseHeader, ElementsStored) == 23);
static_assert(offsetof(TDatabaseHeader, Reserved2) == 25);
static_assert(offsetof(TDatabaseHeader, Customer) == 32);
static_assert(offsetof(TDatabaseHeader, Address) == 83);
static_assert(offsetof(TDatabaseHeader, Telephone) == 134);
static_assert(sizeof(TLegacyElement) == 69);
static_assert(offsetof(TLegacyElement, Ignored) == 33);
static_assert(offsetof(TLegacyElement, Label) == 53);
static_assert(sizeof(TUniversalRecord) == 68);
static_assert(offsetof(TUniversalRecord, LengthBanding) == 8);
static_assert(offsetof(TUniversalRecord, Aux1) == 10);
static_assert(offsetof(TUniversalRecord, AuxByte1) == 26);
static_assert(offsetof(TUniversalRecord, Grain) == 29);
static_assert(offsetof(TUniversalRecord, Count) == 30);
static_assert(offsetof(TUniversalRecord, Reserved) == 32);
static_assert(offsetof(TUniversalRecord, Label) == 52);

// True when the name's last four characters are ".tun" in any case.
bool IsUniversalFileName(const std::string &name);
// True when a ".tun" would not keep all of contents: it holds no groups, and
// labels of at most 15 characters.
bool UniversalFileLoses(const DatabaseContents &contents);

// Reads name into list (zeroed once the file is open), groups (passed in zeroed)
// and header. -149 cannot open (or anything but a regular file: a directory, a
// FIFO, a device), -146 header short, wrong type or layout-3 counts beyond 800
// elements / 10 groups, -145 short body record (or, with `read`, a failed read
// of the whole file), -150 OK. `read`, when given, gets the fingerprint of the
// whole file read. A write of this file that a dead program of this host left
// half done is finished first (see FinishInterruptedWrites).
int ReadDatabaseFile(const std::string &name, TElementList &list, TElementGroups &groups,
                     TDatabaseHeader &header, FileFingerprint *read = nullptr);

// Writes atomically (the previous file survives any failure), through symbolic
// links and onto every hard link (see AtomicFile.h). Texts are Windows-1250
// bytes, cut to 50, 50 and 30. -147, -143, -142 or -150. `written`, when given,
// gets the fingerprint of the bytes written, on success.
int WriteDatabaseFile(const std::string &name, const TElementList &list, const TElementGroups &groups,
                      const std::string &customer, const std::string &address, const std::string &telephone,
                      FileFingerprint *written = nullptr);

// The same for a database's contents as one value.
int ReadDatabaseContents(const std::string &name, DatabaseContents &contents, FileFingerprint *read = nullptr);
int WriteDatabaseContents(const std::string &name, const DatabaseContents &contents,
                          FileFingerprint *written = nullptr);
