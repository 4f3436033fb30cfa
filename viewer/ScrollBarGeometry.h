#pragma once

// One axis of the view's own scroll bars: a thin track along the edge with a
// thumb whose length shows the visible share of the page. Painting and
// dragging both go through these functions.
namespace ScrollBarGeometry {

struct Thumb {
    int start = 0;
    int length = 0;
    friend bool operator==(const Thumb&, const Thumb&) = default;
};

// Shortest thumb, so a very long page still has something to grab.
constexpr int kMinThumbLength = 24;

// Whether the axis needs a bar: the page is longer than the view.
bool IsNeeded(int content, int view);

// The thumb on a track of `track` pixels for a page `content` long seen
// through `view` pixels scrolled by `scroll`.
Thumb ThumbOf(int track, int content, int view, int scroll);

// The scroll offset that puts the thumb's start at `thumbStart`.
int ScrollForThumb(int thumbStart, int track, int content, int view);

} // namespace ScrollBarGeometry
