#pragma once
// A drawing canvas that records what the drawing language asks of it. Text
// measures 10 pixels a byte and 20 a line; files come from a map.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "drawing_canvas.h"

struct RecordedFill {
    DrawRect rect;
    Colour colour;
};

struct RecordedText {
    std::string text;
    DrawRect rect;
    unsigned format;
};

class RecordingCanvas : public DrawingCanvas {
public:
    std::vector<RecordedFill> fills;
    std::vector<RecordedText> texts; // drawn, not measured
    std::vector<FontDescription> fonts;
    std::vector<Colour> textColours;
    std::vector<DrawRect> metafiles;
    std::vector<std::pair<int32_t, int32_t>> copies;
    std::vector<DrawRect> stretches;
    std::map<std::string, std::string> files;
    int bitmapsHeld = 0;

    void Fill(const DrawRect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    void SetTextColour(Colour colour) override { textColours.push_back(colour); }
    void ReplaceFont(const FontDescription& font) override { fonts.push_back(font); }
    void PutText(const char* text, size_t length, DrawRect& rect, unsigned format) override
    {
        std::string s(text, length);
        if (!(format & kTextMeasure)) {
            texts.push_back({s, rect, format});
            return;
        }
        size_t lines = 1, longest = 0, current = 0;
        for (char c : s) {
            if (c == '\n' && !(format & kTextSingleLine)) {
                ++lines;
                current = 0;
            } else if (c != '\r') {
                longest = std::max(longest, ++current);
            }
        }
        rect.right = rect.left + static_cast<int32_t>(10 * longest);
        rect.bottom = rect.top + static_cast<int32_t>(20 * lines);
    }
    bool ReadFile(const char* name, FileBytes& file) override
    {
        auto found = files.find(name);
        if (found == files.end()) return false;
        file.size = found->second.size();
        file.data.reset(new unsigned char[file.size + 1]);
        std::memcpy(file.data.get(), found->second.data(), file.size);
        file.data[file.size] = 0;
        return true;
    }
    void PlayMetafile(const FileBytes&, const DrawRect& rect) override { metafiles.push_back(rect); }
    bool PrepareBitmap(const FileBytes&, const BmpLayout&) override { return ++bitmapsHeld > 0; }
    void CopyBitmap(int32_t x, int32_t y) override { copies.push_back({x, y}); }
    void StretchBitmap(const DrawRect& rect) override { stretches.push_back(rect); }
    void ReleaseBitmap() override { --bitmapsHeld; }
};
