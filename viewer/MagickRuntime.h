#pragma once

// ImageMagick, started once per process with skinview's own policy (which
// lifts Debian's 16000-pixel side limit) and resource limits that make a
// decompression bomb fail within 1 GiB instead of exhausting memory.
namespace MagickRuntime {

// Safe to call from every engine before it touches Magick++.
void Ensure();

} // namespace MagickRuntime
