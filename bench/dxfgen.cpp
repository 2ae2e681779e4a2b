// dxfgen: writes a survey cross-section drawing for tests and benchmarks.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dxf_generator.h"

int main(int argc, char** argv)
{
    CrossSectionOptions options;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&] { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--size") {
            char* end;
            double size = std::strtod(value(), &end);
            if (*end == 'K' || *end == 'k') size *= 1024;
            if (*end == 'M' || *end == 'm') size *= 1024 * 1024;
            if (*end == 'G' || *end == 'g') size *= 1024.0 * 1024 * 1024;
            options.targetBytes = static_cast<uint64_t>(size);
        } else if (arg == "--points") {
            options.pointsPerProfile = std::atoi(value());
        } else if (arg == "--random") {
            options.shuffled = true;
        } else if (arg == "--seed") {
            options.seed = std::strtoull(value(), nullptr, 10);
        } else if (!path && arg[0] != '-') {
            path = argv[i];
        } else {
            path = nullptr;
            break;
        }
    }
    if (!path || options.pointsPerProfile < 2) {
        std::fprintf(stderr, "usage: dxfgen [--size BYTES[K|M|G]] [--points N] [--random] [--seed N] OUTPUT\n");
        return 1;
    }
    std::FILE* out = std::fopen(path, "wb");
    if (!out) {
        std::fprintf(stderr, "dxfgen: cannot create %s: %s\n", path, std::strerror(errno));
        return 1;
    }
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
    CrossSectionStats stats = WriteCrossSections(out, options);
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "dxfgen: writing %s failed\n", path);
        return 1;
    }
    std::printf("%s: %" PRIu64 " bytes, %" PRIu64 " stations, %" PRIu64 " LINEs\n", path, stats.bytes,
                stats.stations, stats.lines);
    return 0;
}
