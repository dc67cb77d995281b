#include "host/services/Resources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#if defined(__linux__)
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace Orvo {

namespace {

std::string Key(TResourceType type, std::string_view name) {
    std::string k(1, char('0' + int(type)));
    for (char c : name) k.push_back(char(std::toupper(static_cast<unsigned char>(c))));
    return k;
}

// A copy made at registration, or none for static bytes; Bytes views
// whichever holds them.
struct TEntry {
    std::vector<std::uint8_t> Copy;
    TResourceBytes Bytes;
};

std::map<std::string, TEntry>& Table() {
    static std::map<std::string, TEntry> table;
    return table;
}

#if defined(__linux__)
// True when [begin, end) lies in a segment the loader mapped read-only from
// a program file: pages there can be dropped and are read back unchanged.
// Anything else (the heap, writable data) would lose its contents.
bool InReadOnlyProgramSegment(std::uintptr_t begin, std::uintptr_t end) {
    struct TQuery {
        std::uintptr_t Begin, End;
        bool Found;
    } query{begin, end, false};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) -> int {
            auto* q = static_cast<TQuery*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const auto& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W)) continue;
                const std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
                if (q->Begin >= start && q->End <= start + segment.p_filesz) {
                    q->Found = true;
                    return 1;
                }
            }
            return 0;
        },
        &query);
    return query.Found;
}
#endif

}  // namespace

void RegisterResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
    TEntry& entry = Table()[Key(type, name)];
    entry.Copy.assign(bytes.begin(), bytes.end());
    entry.Bytes = entry.Copy;
}

void RegisterStaticResource(TResourceType type, std::string_view name, std::span<const std::uint8_t> bytes) {
    TEntry& entry = Table()[Key(type, name)];
    entry.Copy.clear();
    entry.Copy.shrink_to_fit();
    entry.Bytes = bytes;
}

const TResourceBytes* FindResource(TResourceType type, std::string_view name) {
    auto& t = Table();
    auto it = t.find(Key(type, name));
    return it == t.end() ? nullptr : &it->second.Bytes;
}

void ResourceReadThrough(TResourceBytes bytes) {
#if defined(__linux__)
    if (bytes.empty()) return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t end = begin + bytes.size();
    if (!InReadOnlyProgramSegment(begin, end)) return;
    // Whole pages only: the first and last may hold other data.
    const std::uintptr_t first = (begin + page - 1) / page * page, last = end / page * page;
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
#else
    (void)bytes;
#endif
}

}  // namespace Orvo
