#include "viewer/BoxDownsampler.h"

#include <algorithm>

namespace {

// Start of the source span of target index `index` when `target` pixels
// cover `source` pixels.
int SpanStart(int index, int source, int target)
{
    return static_cast<int>(int64_t{index} * source / target);
}

} // namespace

CBoxDownsampler::CBoxDownsampler(PixelSize source, PixelSize target, PixelRect clip, std::span<uint32_t> output,
                                 Order order)
    : m_source(source)
    , m_target(target)
    , m_clip(clip.Intersected({0, 0, target.width, target.height}))
    , m_output(output)
    , m_order(order)
{
    m_columnStart.reserve(static_cast<size_t>(m_clip.width) + 1);
    for (int x = m_clip.x; x <= m_clip.Right(); ++x)
        m_columnStart.push_back(SpanStart(x, source.width, target.width));
    m_firstRow = SpanStart(m_clip.y, source.height, target.height);
    m_endRow = SpanStart(m_clip.Bottom(), source.height, target.height);
    m_nextSourceRow = m_firstRow;
    m_sums.assign(static_cast<size_t>(m_clip.width) * 4, 0);
    // Too small an output gets nothing rather than a write past its end.
    if (m_output.size() < static_cast<size_t>(m_clip.Size().Area()))
        m_outRow = m_clip.height;
}

int CBoxDownsampler::SourceRowEnd(int clipRow) const
{
    return SpanStart(m_clip.y + clipRow + 1, m_source.height, m_target.height);
}

void CBoxDownsampler::AddRow(const uint32_t* pixels)
{
    if (IsComplete())
        return;
    for (int column = 0; column < m_clip.width; ++column) {
        uint64_t* sum = &m_sums[static_cast<size_t>(column) * 4];
        for (int x = m_columnStart[column]; x < m_columnStart[column + 1]; ++x) {
            const uint32_t pixel = pixels[x];
            sum[0] += pixel & 0xFF;
            sum[1] += (pixel >> 8) & 0xFF;
            sum[2] += (pixel >> 16) & 0xFF;
            sum[3] += pixel >> 24;
        }
    }
    ++m_rowsInBand;
    ++m_nextSourceRow;
    if (m_nextSourceRow >= SourceRowEnd(m_outRow))
        EmitRow();
}

void CBoxDownsampler::EmitRow()
{
    const int first = m_order == Order::AsInput ? 0 : 2;
    const int third = 2 - first;
    uint32_t* row = &m_output[static_cast<size_t>(m_outRow) * static_cast<size_t>(m_clip.width)];
    for (int column = 0; column < m_clip.width; ++column) {
        const uint64_t count = uint64_t(m_columnStart[column + 1] - m_columnStart[column]) * m_rowsInBand;
        uint64_t* sum = &m_sums[static_cast<size_t>(column) * 4];
        // One division a pixel instead of one a channel: sums stay far below
        // the 2^53 up to which doubles are exact.
        const double scale = count ? 1.0 / static_cast<double>(count) : 0.0;
        const auto lane = [&](int index) {
            return static_cast<uint32_t>(static_cast<double>(sum[index]) * scale + 0.5);
        };
        row[column] = lane(first) | lane(1) << 8 | lane(third) << 16 | lane(3) << 24;
        std::fill(sum, sum + 4, 0);
    }
    m_rowsInBand = 0;
    ++m_outRow;
}
