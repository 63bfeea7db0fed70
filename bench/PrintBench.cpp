// Writing the view's rows out: the dump to a ".dmp" file and one printed page.
//
// Dump: 4,096 rows (64 KiB of data, the most a dump takes) through the dump command, against
// writing the dump's own bytes with one write call. Both sides replace the file the same safe
// way (a temporary file flushed to disk and renamed), so the ratio is the cost of making the
// rows; the plain write() of the same bytes without the flush is shown for scale.
//
// Page: one page of 64 rows rendered into the recording printer, as the printer and the preview
// run it (begin, prepare the context, header and rows, end). Rows must not allocate: operator
// new is counted over pages of 64 rows and of 1 row, and the difference per row is the verdict.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/CountingNew.h"
#include "bench/HeadlessProgram.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/FileException.h"
#include "platform/framework/PrintJob.h"
#include "res/Resource.h"

namespace {
constexpr int kRows = 4096;
constexpr int kSize = kRows * 16;
constexpr int kPages = 200;

// Documents in a folder of their own, in the program on the recording backend.
class Program : public bench::HeadlessProgram {
public:
    Program() {
        char folder[] = "/tmp/quelm-print-bench-XXXXXX";
        m_strFolder = mkdtemp(folder) ? folder : "/tmp";
    }
    ~Program() {
        std::string command = "rm -rf '" + m_strFolder + "'";
        if (std::system(command.c_str()) != 0) std::perror("rm");
    }
    // A document of size random bytes saved as name.
    CKolvaView* OpenFile(const std::string& name, int size, uint64_t seed) {
        std::string path = Path(name);
        std::string bytes(static_cast<size_t>(size), '\0');
        bench::FillRandom(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size(), seed);
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool written = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == ssize_t(size);
        if (fd >= 0) ::close(fd);
        return written ? OpenPath(path) : nullptr;
    }
    std::string Path(const std::string& name) const { return m_strFolder + "/" + name; }

private:
    std::string m_strFolder;
};

std::string ReadAll(const std::string& path) {
    std::string out;
    int fd = ::open(path.c_str(), O_RDONLY);
    char buffer[1 << 16];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(n));
    if (fd >= 0) ::close(fd);
    return out;
}

bool WriteSafely(const std::string& path, const std::string& bytes) {
    CAtomicFile file;
    CFileException error;
    return file.Open(path, &error) && file.Write(bytes.data(), bytes.size(), &error) &&
           file.Commit(&error);
}

bool WritePlain(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    return (fd >= 0 && ::close(fd) == 0) && ok;
}

void DumpPair(benchmark::State& state, Program& program, CKolvaView* view,
              const std::string& expected) {
    const std::string dump = program.Path("dump.bin.dmp");
    const std::string copy = program.Path("copy.dmp");
    bench::RunPair(
        state,
        [&] {
            bool ok = false;
            double t = bench::Time([&] { ok = WriteSafely(copy, expected); });
            return ok ? t : -1.0;
        },
        [&] {
            double t = bench::Time([&] { view->RunCommand(ID_FILE_DUMP); });
            return ReadAll(dump) == expected ? t : -1.0;
        });
}

// operator new calls over kPages renderings of page 1.
uint64_t PageAllocations(CKolvaView* view, CPrintedPage& page, double* seconds) {
    CPrintInfo info;
    CPrintJob job(*view, info);
    uint64_t before = NewCalls();
    double t = bench::Time([&] {
        for (int i = 0; i < kPages; ++i) {
            page.Clear();
            CHeadlessPrintDC dc(page);
            job.Begin(dc);
            job.PrintPage(dc, 1);
            job.End(dc);
        }
    });
    if (seconds) *seconds = t / kPages;
    return NewCalls() - before;
}
} // namespace

int main(int argc, char** argv) {
    Program program;
    CKolvaView* dumped = program.OpenFile("dump.bin", kSize, 7);
    CKolvaView* full = program.OpenFile("full.bin", kSize, 11);
    CKolvaView* single = program.OpenFile("single.bin", 16, 13);
    if (!dumped || !full || !single) {
        std::fputs("could not open the benchmark documents\n", stderr);
        return 1;
    }
    dumped->RunCommand(ID_FILE_DUMP);
    const std::string expected = ReadAll(program.Path("dump.bin.dmp"));
    if (expected.size() != size_t(kRows) * 80) {
        std::fputs("the dump has not 4096 rows of 78 columns\n", stderr);
        return 1;
    }
    bench::RegisterPair("dump_4096_rows_vs_one_write",
                        [&](auto& s) { DumpPair(s, program, dumped, expected); });

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);
    double plain = bench::Time([&] { WritePlain(program.Path("plain.dmp"), expected); });

    // Warm up the page's storage and the fonts, then count.
    CPrintedPage page;
    PageAllocations(full, page, nullptr);
    PageAllocations(single, page, nullptr);
    double fullSeconds = 0, singleSeconds = 0;
    uint64_t fullNew = PageAllocations(full, page, &fullSeconds);
    size_t fullTexts = page.Count();
    uint64_t singleNew = PageAllocations(single, page, &singleSeconds);
    size_t singleTexts = page.Count();

    bench::PairResult dump = reporter.Pair("dump_4096_rows_vs_one_write");
    bench::PrintHeading("Dump of 4,096 rows (64 KiB) to a .dmp file, replaced safely");
    bench::PrintTime("dump command", dump.subjectNs);
    bench::PrintTime("one write() of the same bytes, flushed+renamed", dump.baselineNs);
    bench::PrintTime("one write() without flush (single run)", plain * 1e9);
    std::printf("\n== One printed page on the recording printer (%d renderings each)\n", kPages);
    std::printf("%-46s %8.1f us, %zu texts, %.2f operator new a page\n", "64 rows",
                fullSeconds * 1e6, fullTexts, double(fullNew) / kPages);
    std::printf("%-46s %8.1f us, %zu texts, %.2f operator new a page\n", "1 row",
                singleSeconds * 1e6, singleTexts, double(singleNew) / kPages);
    double perRow = (double(fullNew) - double(singleNew)) / kPages / 63.0;
    bench::PrintVerdict("DumpToFile 4096 rows / one write", dump.ratio, true, 3.0);
    std::printf("RESULT operator new calls per printed row: %.3f (target 0) %s\n", perRow,
                fullTexts == 66 && singleTexts == 3 && perRow <= 0 ? "PASS" : "FAIL");
    return 0;
}
