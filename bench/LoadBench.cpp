// Loading a 16 MiB file on-memory with LoadFile against a plain read() of it into a malloc'd
// buffer. The file lives in /tmp and is read once before timing so both come from the page
// cache; each timed run opens, sizes, allocates, reads and closes, and frees a buffer, as
// LoadFile does with the one it replaces.
//
// Where the 16 MiB come from matters as much as the copying, so the allocator is pinned for
// each pair: either freed blocks stay in the heap and are reused (no page faults; the verdict,
// since it shows what LoadFile adds), or every block is mapped anew and unmapped on free (each
// page faulted in, as on a first load).
#include <cstdlib>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bench/BenchSupport.h"
#include "engine/BinData.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kSize = 16 << 20;
std::string g_path;

bool WriteTestFile() {
    char name[] = "/tmp/quelm-load-bench-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) return false;
    g_path = name;
    std::vector<uint8_t> bytes(kSize);
    bench::FillRandom(bytes.data(), bytes.size(), 0x10AD);
    bool ok = write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    return close(fd) == 0 && ok;
}

// The baseline: what loading needs at the least. Returns the bytes read, or -1.
ssize_t PlainRead(const char* path, uint8_t** out) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return -1;
    }
    size_t n = size_t(st.st_size), done = 0;
    auto* buf = static_cast<uint8_t*>(std::malloc(n ? n : 1));
    while (buf && done < n) {
        ssize_t got = read(fd, buf + done, n - done);
        if (got <= 0) break;
        done += size_t(got);
    }
    close(fd);
    *out = buf;
    return buf ? ssize_t(done) : -1;
}

void LoadPair(benchmark::State& state, bool freshPages) {
    if (freshPages) {
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
        mallopt(M_TRIM_THRESHOLD, 1 << 20);
    } else {
        mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest glibc allows
        mallopt(M_TRIM_THRESHOLD, 512 << 20);
    }
    malloc_trim(0);
    CBinData d; // its 16 MB on-memory limit takes 16 MiB whole
    auto baseline = [&] {
        uint8_t* buf = nullptr;
        ssize_t n = 0;
        double t = bench::Time([&] {
            n = PlainRead(g_path.c_str(), &buf);
            benchmark::DoNotOptimize(buf);
            std::free(buf);
        });
        return n == kSize ? t : -1;
    };
    auto subject = [&] {
        CFileException err;
        int rc = 1;
        double t = bench::Time([&] { rc = d.LoadFile(g_path, &err); });
        return rc == 0 && !d.m_bOffMemory && d.GetSize() == kSize ? t : -1;
    };
    // Settles the heap before timing.
    baseline();
    subject();
    bench::RunPair(state, baseline, subject);
}
} // namespace

int main(int argc, char** argv) {
    CHeadlessBackend backend;
    if (!WriteTestFile()) {
        std::printf("could not write the test file in /tmp\n");
        bench::PrintVerdict("LoadFile / read()", std::nan(""), true, 1.5);
        return 0;
    }
    uint8_t* buf = nullptr;
    PlainRead(g_path.c_str(), &buf); // into the page cache
    std::free(buf);

    bench::RegisterPair("load_file_vs_read", [](auto& s) { LoadPair(s, false); });
    bench::RegisterPair("load_file_vs_read_fresh_pages", [](auto& s) { LoadPair(s, true); });

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);
    unlink(g_path.c_str());

    bench::PairResult load = reporter.Pair("load_file_vs_read");
    bench::PairResult fresh = reporter.Pair("load_file_vs_read_fresh_pages");
    char extra[48];
    auto show = [&](const char* label, double ns) {
        std::snprintf(extra, sizeof extra, "  (%.2f GB/s)", kSize / ns); // bytes per ns
        bench::PrintTime(label, ns, extra);
    };
    bench::PrintHeading("Loading 16 MiB from the page cache");
    show("open + fstat + malloc + read() + close + free", load.baselineNs);
    show("CBinData::LoadFile", load.subjectNs);
    show("the same read(), memory mapped anew", fresh.baselineNs);
    show("CBinData::LoadFile, memory mapped anew", fresh.subjectNs);
    std::printf("info: LoadFile / read() with memory mapped anew: %.3fx\n", fresh.ratio);
    bench::PrintVerdict("LoadFile / read()", load.ratio, true, 1.5);
    return 0;
}
