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

CBoxDownsampler::CBoxDownsampler(PixelSize source, PixelSize target, PixelRect clip)
    : m_source(source)
    , m_target(target)
    , m_clip(clip.Intersected({0, 0, target.width, target.height}))
{
    m_columnStart.reserve(static_cast<size_t>(m_clip.width) + 1);
    for (int x = m_clip.x; x <= m_clip.Right(); ++x)
        m_columnStart.push_back(SpanStart(x, source.width, target.width));
    m_firstRow = SpanStart(m_clip.y, source.height, target.height);
    m_endRow = SpanStart(m_clip.Bottom(), source.height, target.height);
    m_nextSourceRow = m_firstRow;
    m_sums.assign(static_cast<size_t>(m_clip.width) * 4, 0);
    m_pixels.reserve(static_cast<size_t>(m_clip.Size().Area()));
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
    for (int column = 0; column < m_clip.width; ++column) {
        const uint64_t count = uint64_t(m_columnStart[column + 1] - m_columnStart[column]) * m_rowsInBand;
        uint64_t* sum = &m_sums[static_cast<size_t>(column) * 4];
        uint32_t pixel = 0;
        for (int lane = 0; lane < 4 && count > 0; ++lane) {
            pixel |= static_cast<uint32_t>((sum[lane] + count / 2) / count) << (8 * lane);
            sum[lane] = 0;
        }
        m_pixels.push_back(pixel);
    }
    m_rowsInBand = 0;
    ++m_outRow;
}
