#include "viewer/TiffSplitter.h"

#include "viewer/AtomicFile.h"
#include "viewer/PageBounds.h"
#include "viewer/TiffDirectoryCopier.h"
#include "viewer/TiffFile.h"

#include <QFileInfo>
#include <vector>

namespace {

std::vector<toff_t> DirectoryOffsets(TIFF* tiff)
{
    std::vector<toff_t> offsets;
    do {
        offsets.push_back(TIFFCurrentDirOffset(tiff));
    } while (TIFFReadDirectory(tiff));
    return offsets;
}

// Copies directories [from, to) of `in` into a new TIFF on `device`.
bool WritePart(CTiffFile& in, const std::vector<toff_t>& offsets, size_t from, size_t to, uint64_t fileSize,
               QIODevice& device, QString& error)
{
    std::unique_ptr<CTiffFile> out = CTiffFile::OpenForWriting(
        device, {TIFFIsBigTIFF(in.Get()) != 0, TIFFIsBigEndian(in.Get()) != 0}, error);
    if (!out)
        return false;
    const auto count = static_cast<uint16_t>(to - from);
    for (size_t index = from; index < to; ++index) {
        if (!TIFFSetSubDirectory(in.Get(), offsets[index])
            || !TiffDirectoryCopier::CopyDirectory(in.Get(), out->Get(), fileSize, static_cast<uint16_t>(index - from),
                                                   count)) {
            error = in.TakeError(out->TakeError(QStringLiteral("page %1 cannot be copied").arg(index + 1)));
            return false;
        }
    }
    if (!out->Close()) {
        error = QStringLiteral("the output cannot be completed");
        return false;
    }
    return true;
}

QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

namespace TiffSplitter {

bool Split(const QString& source, int page, const QString& first, const QString& second, QString& error)
{
    // Both parts written to one name would leave only the second.
    if (Canonical(first) == Canonical(second)) {
        error = QStringLiteral("both outputs name the same file");
        return false;
    }
    std::unique_ptr<CTiffFile> in = CTiffFile::OpenForReading(source, error);
    if (!in)
        return false;
    const std::vector<toff_t> offsets = DirectoryOffsets(in->Get());
    in->TakeError({});
    const std::optional<PageBounds::SplitPlan> plan = PageBounds::PlanSplit(page, static_cast<int>(offsets.size()));
    if (!plan || offsets.size() > 0xFFFF) {
        error = QStringLiteral("page %1 does not divide a TIFF of %2 pages").arg(page).arg(offsets.size());
        return false;
    }
    const auto fileSize = static_cast<uint64_t>(QFileInfo(source).size());
    CAtomicFile firstFile(first);
    CAtomicFile secondFile(second);
    const auto split = static_cast<size_t>(plan->firstEnd);
    return firstFile.Open(error) && secondFile.Open(error)
        && WritePart(*in, offsets, 0, split, fileSize, firstFile.Device(), error)
        && WritePart(*in, offsets, split, offsets.size(), fileSize, secondFile.Device(), error)
        && firstFile.Commit(error) && secondFile.Commit(error);
}

} // namespace TiffSplitter
