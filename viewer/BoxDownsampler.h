#pragma once

#include "viewer/PixelGeometry.h"

#include <cstdint>
#include <span>
#include <vector>

// Shrinks an image that arrives row by row (a TIFF strip at a time) by
// averaging each output pixel's box of source pixels, so no more than one
// strip of the source is ever held and nothing aliases. Each byte of a
// 32-bit pixel is averaged on its own, so channel order does not matter;
// premultiplied pixels average correctly.
class CBoxDownsampler {
public:
    // Byte order of the output: as the input, or with the first and third
    // bytes exchanged (RGBA in memory out as BGRA), which saves a pass.
    enum class Order { AsInput, SwapFirstAndThird };

    // `target` is no larger than `source` on either side (a larger one
    // leaves empty boxes, which come out transparent black); only `clip`, a
    // part of the target, is produced, into `output`: clip.width pixels a
    // row, clip.height rows (the clip taken within the target).
    CBoxDownsampler(PixelSize source, PixelSize target, PixelRect clip, std::span<uint32_t> output,
                    Order order = Order::AsInput);


    // The source rows that the clip needs, [first, end).
    int FirstSourceRow() const { return m_firstRow; }
    int EndSourceRow() const { return m_endRow; }

    // Feeds the next needed source row, `source.width` pixels.
    void AddRow(const uint32_t* pixels);

    bool IsComplete() const { return m_outRow == m_clip.height; }

private:
    int SourceRowEnd(int targetRow) const;
    void EmitRow();

    PixelSize m_source;
    PixelSize m_target;
    PixelRect m_clip;
    std::vector<int> m_columnStart;  // per clip column and one past the last
    int m_firstRow = 0;
    int m_endRow = 0;
    int m_outRow = 0;                // clip row being accumulated
    int m_nextSourceRow = 0;
    int m_rowsInBand = 0;
    std::vector<uint64_t> m_sums;    // four lanes per clip column
    std::span<uint32_t> m_output;
    Order m_order;
};
