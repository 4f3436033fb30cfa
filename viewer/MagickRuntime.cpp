#include "viewer/MagickRuntime.h"

#include "viewer/DecodeLimits.h"

#include <Magick++.h>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace {

std::filesystem::path ExecutablePath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

// The build puts policy.xml into magick/ beside every executable. A folder
// that the user chose through the variable is left alone.
void UseOwnPolicy(const std::filesystem::path& executable)
{
    if (std::getenv("MAGICK_CONFIGURE_PATH") || executable.empty())
        return;
    const std::filesystem::path folder = executable.parent_path() / "magick";
    std::error_code error;
    if (std::filesystem::exists(folder / "policy.xml", error))
        setenv("MAGICK_CONFIGURE_PATH", folder.c_str(), 0);
}

} // namespace

namespace MagickRuntime {

void Ensure()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const std::filesystem::path executable = ExecutablePath();
        UseOwnPolicy(executable);
        Magick::InitializeMagick(executable.empty() ? nullptr : executable.c_str());
        // The same bounds again in code, so a missing policy file still
        // cannot let a bomb through (a policy only ever lowers them).
        const auto bytes = static_cast<MagickCore::MagickSizeType>(DecodeLimits::kMaxBytes);
        MagickCore::SetMagickResourceLimit(MagickCore::MemoryResource, bytes);
        MagickCore::SetMagickResourceLimit(MagickCore::MapResource, 0);
        MagickCore::SetMagickResourceLimit(MagickCore::DiskResource, 0);
        MagickCore::SetMagickResourceLimit(MagickCore::AreaResource, bytes / 8);
        MagickCore::SetMagickResourceLimit(MagickCore::WidthResource, DecodeLimits::kMaxSide);
        MagickCore::SetMagickResourceLimit(MagickCore::HeightResource, DecodeLimits::kMaxSide);
        MagickCore::SetMagickResourceLimit(MagickCore::ListLengthResource, 4096);
        MagickCore::SetMagickResourceLimit(MagickCore::TimeResource, 120);
    });
}

} // namespace MagickRuntime
