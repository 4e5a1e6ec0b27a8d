// Reading back the charting library's .bmp files, and its recorded calls.
#pragma once
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

struct BmpImage {
    int width = 0, height = 0, bits = 0;
    std::vector<unsigned char> pixels;  // top-down, 3 bytes per pixel (B, G, R), rows padded

    bool Load(const std::string& path)
    {
        FILE* in = std::fopen(path.c_str(), "rb");
        if (!in)
            return false;
        BITMAPFILEHEADER file = {};
        BITMAPINFOHEADER info = {};
        bool ok = std::fread(&file, sizeof file, 1, in) == 1 && std::fread(&info, sizeof info, 1, in) == 1 &&
                  file.bfType == 0x4D42;
        if (ok) {
            width = info.biWidth;
            height = std::abs(info.biHeight);
            bits = info.biBitCount;
            const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
            std::vector<unsigned char> raw(stride * height);
            std::fseek(in, static_cast<long>(file.bfOffBits), SEEK_SET);
            ok = bits == 24 && std::fread(raw.data(), 1, raw.size(), in) == raw.size();
            pixels.resize(raw.size());
            for (int y = 0; ok && y < height; ++y) {
                const int from = info.biHeight > 0 ? height - 1 - y : y;
                std::copy(raw.begin() + from * stride, raw.begin() + (from + 1) * stride, pixels.begin() + y * stride);
            }
        }
        std::fclose(in);
        return ok;
    }
    // 0xRRGGBB of a pixel.
    int At(int x, int y) const
    {
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        const unsigned char* p = &pixels[y * stride + x * 3];
        return (p[2] << 16) | (p[1] << 8) | p[0];
    }
    // Pixels within a small distance of a colour, in an area (whole image by default).
    int Count(int colour, int tolerance = 24, RECT area = {0, 0, 0, 0}) const
    {
        if (area.right == 0)
            area = {0, 0, width, height};
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const int c = At(x, y);
                const int d = std::abs(((c >> 16) & 0xFF) - ((colour >> 16) & 0xFF)) +
                              std::abs(((c >> 8) & 0xFF) - ((colour >> 8) & 0xFF)) + std::abs((c & 0xFF) - (colour & 0xFF));
                count += d <= tolerance;
            }
        return count;
    }
};

inline std::string TempChartPath(const char* name)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The recorded lines that start with a call name.
inline std::vector<std::string> CallsNamed(const std::string& log, const std::string& name)
{
    std::vector<std::string> calls;
    size_t at = 0;
    while (at < log.size()) {
        size_t end = log.find('\n', at);
        if (end == std::string::npos)
            end = log.size();
        const std::string line = log.substr(at, end - at);
        if (line.compare(0, name.size() + 1, name + "(") == 0)
            calls.push_back(line);
        at = end + 1;
    }
    return calls;
}

// The texts a rendering drew, from the recording's "drawText(text,left,top,right,bottom)" lines:
// each text with the box its glyphs cover (right and bottom exclusive).
struct DrawnText {
    std::string text;
    RECT box;
};

inline std::vector<DrawnText> DrawnTexts(const std::string& log)
{
    std::vector<DrawnText> texts;
    for (const std::string& call : CallsNamed(log, "drawText")) {
        const size_t open = call.find('"'), close = call.rfind('"');
        DrawnText drawn;
        drawn.text = call.substr(open + 1, close - open - 1);
        long numbers[4] = {};
        if (close != std::string::npos &&
            std::sscanf(call.c_str() + close + 1, ",%ld,%ld,%ld,%ld)", &numbers[0], &numbers[1], &numbers[2], &numbers[3]) == 4) {
            drawn.box = RECT{numbers[0], numbers[1], numbers[2], numbers[3]};
            texts.push_back(drawn);
        }
    }
    return texts;
}

// The boxes (label frames, legends, title bands) a rendering drew with a background or an edge,
// from the recording's "drawBox(left,top,right,bottom)" lines.
inline std::vector<RECT> DrawnBoxes(const std::string& log)
{
    std::vector<RECT> boxes;
    for (const std::string& call : CallsNamed(log, "drawBox")) {
        long n[4] = {};
        if (std::sscanf(call.c_str(), "drawBox(%ld,%ld,%ld,%ld)", &n[0], &n[1], &n[2], &n[3]) == 4)
            boxes.push_back(RECT{n[0], n[1], n[2], n[3]});
    }
    return boxes;
}

inline bool Intersect(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool Within(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}
