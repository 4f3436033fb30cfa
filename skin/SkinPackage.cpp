// Skin packages: ZIP archives unpacked into a work folder for one skin load.

#include "skin/SkinDialog.h"

#include "zip/ZipException.h"

namespace {

constexpr std::string_view kRetryQuestion
    = "The central directory was not found. If you're opening a multi-disk archive, make sure you have inserted "
      "the last disk. Retry?";
constexpr std::uint32_t kChunkSize = 65535;

// Closing a file that was only read cannot lose anything, so a failure to
// close is not worth a message of its own.
void CloseArchive(CZipReader& zip)
{
    try {
        zip.Close(true);
    } catch (...) {
    }
}

} // namespace

void CSkinDialog::ExtractPackage(const std::string& archive, const std::string& folder)
{
    // Whatever an earlier failure left open goes first.
    CloseArchive(m_zip);
    for (;;) {
        bool retryOffered = false;
        try {
            m_zip.Open(archive, 0, 0);
            break;
        } catch (const CZipException& e) {
            retryOffered = e.m_nCause == CZipException::causeNoEndRecord;
        } catch (...) {
        }
        if (retryOffered
            && m_pDialogs->MessageBox(kRetryQuestion, CUserDialogs::Buttons::YesNo, CUserDialogs::Icon::Stop)
                == CUserDialogs::Answer::Yes) {
            CloseArchive(m_zip);
            continue;
        }
        m_pDialogs->MessageBox("Open failed", CUserDialogs::Buttons::Ok, CUserDialogs::Icon::Stop);
        return;
    }

    // Without a folder of our own the entries would land relative to the
    // file system's root; nothing is unpacked then.
    bool extracted = !folder.empty();
    try {
        const int count = extracted ? m_zip.GetEntryCount() : 0;
        for (int i = 0; i < count; ++i)
            m_zip.ExtractEntry(static_cast<std::uint16_t>(i), folder, true, kChunkSize);
    } catch (...) {
        extracted = false;
    }
    CloseArchive(m_zip);
    if (!extracted)
        m_pDialogs->MessageBox("Extract failed", CUserDialogs::Buttons::Ok, CUserDialogs::Icon::Stop);
}

void CSkinDialog::RemoveFolder(const std::string& folder)
{
    m_workFolders.Remove(folder);
}
