#pragma once
// A deterministic generator of survey cross-section drawings: stations along
// X, each with two profiles (ground and design) drawn as chains of LINE
// entities that share their end points, written as AutoCAD writes ASCII DXF
// (right-justified group codes, CR LF), with a HEADER holding $EXTMIN/$EXTMAX.
#include <cstdint>
#include <cstdio>
#include <string>

struct CrossSectionOptions {
    uint64_t targetBytes = 1 << 20; // stations are added until the file is about this size
    int pointsPerProfile = 60;      // vertices of each profile
    double stationSpacing = 20.0;   // metres between stations
    bool shuffled = false;          // LINE entities in random order instead of drawing order
    uint64_t seed = 1;
};

struct CrossSectionStats {
    uint64_t bytes = 0;
    uint64_t lines = 0;    // LINE entities
    uint64_t stations = 0;
};

// Writes the drawing to `out`; returns what it wrote.
CrossSectionStats WriteCrossSections(std::FILE* out, const CrossSectionOptions& options);
