// Load and save speed of large documents, and the memory they take.
//
// Two documents of the same curves, through the real file functions:
//   1. an autotest file (.tat) of `sites` sites of `plugs` plugs with all
//      fifteen curve slots filled (one curve of `points` points each);
//   2. a graph file (.frt) holding as many curves on their own.
// Each phase reports seconds, MB/s of file bytes and the peak resident
// memory during the phase (VmHWM, reset before it). Run it on a release
// build: build/<release>/bin/model_archive_bench [--sites N] [--plugs N]
// [--points N] [--dir FOLDER].
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <span>
#include <string>

#include "autotest_file.h"
#include "file_io.h"
#include "graph_file.h"
#include "prise.h"
#include "site.h"

namespace {

using namespace quillet::model;

struct Options {
    int sites = 200;
    int plugs = 100;
    int points = 201;
    std::string folder = "/tmp";
};

bool parse(int argc, char **argv, Options &o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char *value = argv[i + 1];
        if (name == "--sites") o.sites = std::atoi(value);
        else if (name == "--plugs") o.plugs = std::atoi(value);
        else if (name == "--points") o.points = std::atoi(value);
        else if (name == "--dir") o.folder = value;
        else return false;
    }
    return (argc % 2) == 1 && o.sites > 0 && o.plugs > 0 && o.points > 0;
}

// Peak resident memory since the last reset, in MB (Linux: VmHWM).
void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double peakMemoryMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

double currentMemoryMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// Runs a phase and prints its time, throughput and peak memory, and the
// memory it took beyond what was there before, in times the file's size.
bool phase(const char *name, double megabytes, const std::function<bool()> &work) {
    ::malloc_trim(0);  // memory freed by earlier phases goes back, so "before" is what lives
    resetPeakMemory();
    const double before = currentMemoryMb();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = work();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double peak = peakMemoryMb();
    std::printf("  %-6s %7.2f s  %8.1f MB/s  peak RSS %7.1f MB (%.1f MB before, %.2f x the file)%s\n", name,
                seconds, megabytes / seconds, peak, before, (peak - before) / megabytes, ok ? "" : "  FAILED");
    return ok;
}

CGrphMes curve(int kind, int points, int seed) {
    CGrphMes c;
    c.title = "ROOM" + std::to_string(seed % 200) + ":A" + std::to_string(seed % 100);
    c.kind = kind;
    c.verdictCode = 3;
    c.pairCode = static_cast<std::uint8_t>(seed % 12);
    c.values.SetSize(points);
    c.frequencies.SetSize(points);
    for (int i = 0; i < points; ++i) {
        c.values.SetAt(i, 60.0f - 0.1f * static_cast<float>(i + seed % 7));
        c.frequencies.SetAt(i, 1.0f + 0.5f * static_cast<float>(i));
    }
    return c;
}

CPrise plug(int index, int points) {
    CPrise p;
    p.plugId = "A" + std::to_string(index);
    p.testTime = 1000000000u + static_cast<unsigned>(index);
    p.resultType = 5;
    for (std::size_t i = 0; i < p.block.size(); ++i) p.block[i] = static_cast<std::uint8_t>(i + index);
    for (int slot = 0; slot < kCurveSlotCount; ++slot) {
        p.curves[static_cast<std::size_t>(slot)].push_back(curve(slotUse(slot)->kind, points, index + slot));
    }
    return p;
}

// The four phases of one document: encode and decode in memory (the
// archive code alone), save and load through the disk (what a user waits
// for: atomic save with its flush, whole-file read).
struct DocumentCodec {
    std::function<std::vector<std::uint8_t>()> encode;
    std::function<bool(std::span<const std::uint8_t>)> decode;  // true when all records came back
};

bool measure(const DocumentCodec &codec, const std::string &path) {
    std::vector<std::uint8_t> bytes = codec.encode();
    const double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("  file  %.1f MB\n", mb);
    bool ok = phase("encode", mb, [&] { return !codec.encode().empty(); });
    ok = phase("decode", mb, [&] { return codec.decode(bytes); }) && ok;
    bytes = {};
    ok = phase("save", mb, [&] { return writeFileAtomically(path, codec.encode()).ok(); }) && ok;
    ok = phase("load", mb, [&] {
             const auto read = readWholeFile(path);
             return read.ok() && codec.decode(read.value());
         }) && ok;
    std::remove(path.c_str());
    return ok;
}

std::string scratchPath(const Options &o, const char *extension) {
    return o.folder + "/quillet-bench-" + std::to_string(::getpid()) + extension;
}

bool benchGraphFile(const Options &o) {
    const std::size_t curves = static_cast<std::size_t>(o.sites) * o.plugs * kCurveSlotCount;
    std::printf("graph file: %zu curves of %d points (%d sites x %d plugs x 15 slots)\n", curves, o.points,
                o.sites, o.plugs);
    GraphFile file;
    file.comment = "benchmark";
    file.curves.reserve(curves);
    for (std::size_t i = 0; i < curves; ++i) {
        file.curves.push_back(curve(static_cast<int>(i % 8), o.points, static_cast<int>(i)));
    }
    const DocumentCodec codec{
        [&] { return encodeGraphFile(file); },
        [&](std::span<const std::uint8_t> bytes) {
            const auto read = readGraphFile(bytes, "bench.frt");
            return read.ok() && read.value().curves.size() == curves;
        }};
    return measure(codec, scratchPath(o, ".frt"));
}

bool benchAutotestFile(const Options &o) {
    std::printf("autotest file: %d sites x %d plugs, 15 curves of %d points each\n", o.sites, o.plugs, o.points);
    AutotestFile<CSite> file;
    file.comment = "benchmark";
    for (int s = 0; s < o.sites; ++s) {
        CSite site;
        site.name = "ROOM" + std::to_string(s);
        site.testTime = 1000000000u + static_cast<unsigned>(s) * 86400u;
        for (int p = 0; p < o.plugs; ++p) site.plugs.push_back(plug(p, o.points));
        file.sites.push_back(std::move(site));
    }
    const DocumentCodec codec{
        [&] { return encodeAutotestFile(file); },
        [&](std::span<const std::uint8_t> bytes) {
            const auto read = readAutotestFile<CSite>(bytes, "bench.tat");
            return read.ok() && read.value().sites.size() == file.sites.size() &&
                   read.value().sites.back().plugs.size() == static_cast<std::size_t>(o.plugs);
        }};
    return measure(codec, scratchPath(o, ".tat"));
}

// Plugs without curves, as many as make a file about as large as the
// curves' document: the shape whose records are small next to their
// in-memory form.
bool benchPlugsOnlyFile(const Options &o) {
    const std::size_t curvesBytes = encodeAutotestFile(AutotestFile<CSite>{}).size() +
                                    static_cast<std::size_t>(o.sites) * o.plugs * kCurveSlotCount *
                                        (static_cast<std::size_t>(o.points) * 8 + 40);
    AutotestFile<CSite> file;
    file.comment = "benchmark";
    // One plug's bytes: a site of two plugs against a site of one.
    AutotestFile<CSite> probe;
    probe.sites.resize(1);
    probe.sites[0].plugs.resize(1);
    const std::size_t onePlug = encodeAutotestFile(probe).size();
    probe.sites[0].plugs.resize(2);
    const std::size_t plugBytes = encodeAutotestFile(probe).size() - onePlug;
    const int plugsPerSite = static_cast<int>(curvesBytes / std::max<std::size_t>(plugBytes, 1) / o.sites);
    std::printf("autotest file, plugs only: %d sites x %d plugs without curves\n", o.sites, plugsPerSite);
    for (int s = 0; s < o.sites; ++s) {
        CSite site;
        site.name = "ROOM" + std::to_string(s);
        site.plugs.reserve(static_cast<std::size_t>(plugsPerSite));
        for (int p = 0; p < plugsPerSite; ++p) {
            site.plugs.push_back(plug(p, 0));
            for (auto &slot : site.plugs.back().curves) slot.clear();
        }
        file.sites.push_back(std::move(site));
    }
    const DocumentCodec codec{
        [&] { return encodeAutotestFile(file); },
        [&](std::span<const std::uint8_t> bytes) {
            const auto read = readAutotestFile<CSite>(bytes, "bench.tat");
            return read.ok() && read.value().sites.size() == file.sites.size();
        }};
    return measure(codec, scratchPath(o, ".tat"));
}

}  // namespace

int main(int argc, char **argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--sites N] [--plugs N] [--points N] [--dir FOLDER]\n", argv[0]);
        return 2;
    }
    const bool graphs = benchGraphFile(options);
    const bool autotests = benchAutotestFile(options);
    const bool plugsOnly = benchPlugsOnlyFile(options);
    return graphs && autotests && plugsOnly ? 0 : 1;
}
