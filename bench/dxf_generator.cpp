#include "dxf_generator.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every platform.
struct Random {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double Uniform() { return double(Next() >> 11) / double(uint64_t{1} << 53); }
};

struct Line {
    double x, y1, z1, y2, z2;
    bool design;
};

// Millimetre values, the way survey data is usually written.
double Mm(double value) { return std::round(value * 1000.0) / 1000.0; }

void Group(std::FILE* out, int code, const char* value) { std::fprintf(out, "%3d\r\n%s\r\n", code, value); }
void Group(std::FILE* out, int code, double value) { std::fprintf(out, "%3d\r\n%.3f\r\n", code, value); }

void WriteLine(std::FILE* out, const Line& line)
{
    Group(out, 0, "LINE");
    Group(out, 8, line.design ? "DESIGN" : "GROUND");
    Group(out, 10, line.x);
    Group(out, 20, line.y1);
    Group(out, 30, line.z1);
    Group(out, 11, line.x);
    Group(out, 21, line.y2);
    Group(out, 31, line.z2);
}

// The LINEs of one station: a ground profile with survey noise and a
// trapezoidal design profile (road bed and side slopes).
void MakeStation(Random& random, const CrossSectionOptions& options, uint64_t index, std::vector<Line>& lines)
{
    double x = Mm(1000.0 + double(index) * options.stationSpacing);
    double base = 50.0 + 5.0 * std::sin(double(index) / 40.0);
    int n = options.pointsPerProfile;
    double halfWidth = 25.0;
    double previousY = 0, previousZ = 0;
    for (int i = 0; i < n; ++i) {
        double y = Mm(-halfWidth + 2.0 * halfWidth * i / (n - 1) + (random.Uniform() - 0.5) * 0.3);
        double z = Mm(base + 0.08 * y + (random.Uniform() - 0.5) * 0.6);
        if (i > 0) lines.push_back({x, previousY, previousZ, y, z, false});
        previousY = y;
        previousZ = z;
    }
    double bed = base - 1.5;
    for (int i = 0; i < n; ++i) {
        double y = Mm(-halfWidth * 0.8 + 1.6 * halfWidth * i / (n - 1));
        double slope = std::max(0.0, std::fabs(y) - 6.0) * 0.5;
        double z = Mm(bed + slope);
        if (i > 0) lines.push_back({x, previousY, previousZ, y, z, true});
        previousY = y;
        previousZ = z;
    }
}

} // namespace

CrossSectionStats WriteCrossSections(std::FILE* out, const CrossSectionOptions& options)
{
    // Bytes of one LINE entity are about the same everywhere: estimate the
    // number of stations from a first station.
    Random random{options.seed};
    std::vector<Line> probe;
    MakeStation(random, options, 0, probe);
    const uint64_t bytesPerLine = 108;
    uint64_t perStation = probe.size() * bytesPerLine;
    uint64_t stations = std::max<uint64_t>(1, options.targetBytes / perStation);

    CrossSectionStats stats;
    stats.stations = stations;
    double xMax = 1000.0 + double(stations - 1) * options.stationSpacing;
    std::fprintf(out, "  0\r\nSECTION\r\n  2\r\nHEADER\r\n");
    std::fprintf(out, "  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n");
    std::fprintf(out, "  9\r\n$EXTMIN\r\n");
    Group(out, 10, 1000.0);
    Group(out, 20, -25.0);
    Group(out, 30, 0.0);
    std::fprintf(out, "  9\r\n$EXTMAX\r\n");
    Group(out, 10, xMax);
    Group(out, 20, 25.0);
    Group(out, 30, 100.0);
    std::fprintf(out, "  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n");

    // Each station draws from a generator of its own, so the sorted and the
    // shuffled drawing of one seed hold the same LINEs.
    auto makeStation = [&](uint64_t index, std::vector<Line>& into) {
        Random stationRandom{options.seed * 1000003 + index};
        MakeStation(stationRandom, options, index, into);
    };
    random = Random{options.seed};
    std::vector<Line> lines;
    if (!options.shuffled) {
        for (uint64_t s = 0; s < stations; ++s) {
            lines.clear();
            makeStation(s, lines);
            for (const Line& line : lines) WriteLine(out, line);
            stats.lines += lines.size();
        }
    } else {
        // Every LINE of the drawing in random order (held in memory: about
        // 50 bytes a LINE, half a gigabyte for a 1 GB drawing).
        for (uint64_t s = 0; s < stations; ++s) makeStation(s, lines);
        for (size_t i = lines.size(); i > 1; --i) std::swap(lines[i - 1], lines[random.Next() % i]);
        for (const Line& line : lines) WriteLine(out, line);
        stats.lines = lines.size();
    }
    std::fprintf(out, "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    std::fflush(out);
    stats.bytes = static_cast<uint64_t>(std::ftell(out));
    return stats;
}
