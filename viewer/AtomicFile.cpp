#include "viewer/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a newly created file gets under the process's umask.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

CAtomicFile::CAtomicFile(const QString& target)
    : m_target(QFileInfo(target).absoluteFilePath())
    , m_temporary(m_target + QStringLiteral(".XXXXXX.part"))
{
}

bool CAtomicFile::Open(QString& error)
{
    if (!QFileInfo(m_target).absoluteDir().exists()) {
        error = QStringLiteral("the folder does not exist");
        return false;
    }
    if (!m_temporary.open()) {
        error = m_temporary.errorString();
        return false;
    }
    return true;
}

bool CAtomicFile::Commit(QString& error)
{
    if (!m_temporary.flush() || ::fsync(m_temporary.handle()) != 0) {
        error = QStringLiteral("the file cannot be written to disk");
        return false;
    }
    struct stat existing {};
    const mode_t mode = ::stat(QFile::encodeName(m_target).constData(), &existing) == 0 ? existing.st_mode & 07777
                                                                                         : NewFileMode();
    ::fchmod(m_temporary.handle(), mode);
    const QByteArray from = QFile::encodeName(m_temporary.fileName());
    m_temporary.close();
    if (std::rename(from.constData(), QFile::encodeName(m_target).constData()) != 0) {
        error = QStringLiteral("the file cannot be put in place");
        return false;
    }
    m_temporary.setAutoRemove(false);
    return true;
}
