#pragma once

#include <Magick++.h>
#include <memory>

// Owners of MagickCore's C resources: each is freed exactly once, and none
// can be copied.
namespace MagickHandles {

struct ImageInfoRelease {
    void operator()(MagickCore::ImageInfo* info) const { MagickCore::DestroyImageInfo(info); }
};
struct ImageListRelease {
    void operator()(MagickCore::Image* images) const { MagickCore::DestroyImageList(images); }
};
struct ExceptionRelease {
    void operator()(MagickCore::ExceptionInfo* exception) const { MagickCore::DestroyExceptionInfo(exception); }
};

using ImageInfo = std::unique_ptr<MagickCore::ImageInfo, ImageInfoRelease>;
using ImageList = std::unique_ptr<MagickCore::Image, ImageListRelease>;
using Exception = std::unique_ptr<MagickCore::ExceptionInfo, ExceptionRelease>;

inline Exception MakeException()
{
    return Exception(MagickCore::AcquireExceptionInfo());
}

} // namespace MagickHandles
