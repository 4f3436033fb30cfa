#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Writes a PDF whose pages are images, one image filling each page. Pixels
// are stored losslessly with Flate, colour and (when given) alpha as a soft
// mask, so a page read back gives the pixels written. Pages stream out one
// at a time: a long document is never held whole.
class CPdfImageWriter {
public:
    // Receives the file's bytes in order; false stops the writing.
    using Sink = std::function<bool(std::string_view bytes)>;

    explicit CPdfImageWriter(Sink sink);

    // `rgb` holds width*height*3 bytes, `alpha` width*height bytes or none.
    // The page measures widthPoints x heightPoints (1/72 inch).
    bool AddPage(int width, int height, std::span<const uint8_t> rgb, std::span<const uint8_t> alpha, double widthPoints,
                 double heightPoints);
    // Writes the page tree, cross-reference table and trailer.
    bool Finish();

private:
    int BeginObject();
    bool WriteStream(std::string_view dictionary, std::span<const uint8_t> data);
    bool Write(std::string_view bytes);

    Sink m_sink;
    uint64_t m_offset = 0;
    bool m_ok = true;
    std::vector<uint64_t> m_objectOffsets;  // index = object number - 1
    std::vector<int> m_pageObjects;
};
