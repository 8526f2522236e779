// Figures for the core: database files against plain reads and writes of the
// same bytes, and the list algorithms on a full list of 800 elements.

#include "SampleList.h"

#include "common/DatabaseFile.h"
#include "common/ListAlgorithms.h"
#include "common/ResultCodes.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// One saved full database; the raw runs use exactly its bytes. Without it no
// figure means anything, so a failure stops the run.
struct SavedDatabase {
    TempDir dir;
    std::string name = dir.file("full.tab");
    TElementList list = SampleList(kMaxElements);
    TElementGroups groups;
    std::vector<char> bytes;

    SavedDatabase()
    {
        ClearGroups(groups);
        const int rc = WriteDatabaseFile(name, list, groups, "Kupac", "Adresa", "Telefon");
        if (rc != rcOK)
            throw std::runtime_error("cannot save the sample database: " + std::string(ResultText(rc)));
        const std::string saved = ReadAll(name);
        bytes.assign(saved.begin(), saved.end());
    }
};

bool RawWrite(const std::string &name, const std::vector<char> &bytes, bool sync)
{
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    if (sync)
        ok = ok && fsync(fd) == 0;
    return close(fd) == 0 && ok;
}

void BM_ReadDatabaseFile(benchmark::State &state)
{
    SavedDatabase db;
    TElementList list;
    TElementGroups groups;
    TDatabaseHeader header;
    for (auto _ : state) {
        ClearGroups(groups);
        if (ReadDatabaseFile(db.name, list, groups, header) != rcOK)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * db.bytes.size()));
}
BENCHMARK(BM_ReadDatabaseFile);

void BM_RawRead(benchmark::State &state)
{
    SavedDatabase db;
    std::vector<char> buffer(db.bytes.size());
    for (auto _ : state) {
        const int fd = open(db.name.c_str(), O_RDONLY);
        if (fd < 0 || read(fd, buffer.data(), buffer.size()) != static_cast<ssize_t>(buffer.size()))
            state.SkipWithError("raw read failed");
        if (fd >= 0)
            close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_RawRead);

// Temporary file, fsync, rename and directory sync: the price of never losing the old file.
void BM_WriteDatabaseFile(benchmark::State &state)
{
    SavedDatabase db;
    for (auto _ : state) {
        if (WriteDatabaseFile(db.name, db.list, db.groups, "Kupac", "Adresa", "Telefon") != rcOK)
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * db.bytes.size()));
}
BENCHMARK(BM_WriteDatabaseFile)->UseRealTime();

void BM_RawWrite(benchmark::State &state)
{
    SavedDatabase db;
    const bool sync = state.range(0) != 0;
    for (auto _ : state) {
        if (!RawWrite(db.name, db.bytes, sync))
            state.SkipWithError("raw write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * db.bytes.size()));
}
BENCHMARK(BM_RawWrite)->ArgName("fsync")->Arg(0)->Arg(1)->UseRealTime();

void BM_SortByLength(benchmark::State &state)
{
    const TElementList original = SampleList(kMaxElements);
    TElementList list;
    for (auto _ : state) {
        list = original;
        SortByLength(list);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_SortByLength);

// kinds = 800: nothing merges, every element is compared with all kept so far.
void BM_MergeSameElements(benchmark::State &state)
{
    const TElementList original = SampleList(static_cast<int>(state.range(0)));
    TElementList list;
    for (auto _ : state) {
        list = original;
        MergeSameElements(list);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_MergeSameElements)->ArgName("kinds")->Arg(50)->Arg(800);

} // namespace
