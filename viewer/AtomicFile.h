#pragma once

#include <QString>
#include <QTemporaryFile>

// A file written under a temporary name beside its target and renamed over
// the target only when complete, so that readers and a failed write never
// see a half-written file, and an existing target survives any failure.
// Unlike QSaveFile it can be read while written, which libtiff needs.
class CAtomicFile {
public:
    explicit CAtomicFile(const QString& target);
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    // Removes the temporary file unless committed.
    ~CAtomicFile() = default;

    bool Open(QString& error);
    QIODevice& Device() { return m_temporary; }
    // Flushes to disk, gives the file the target's permissions (or the
    // usual ones for a new file) and renames it over the target.
    bool Commit(QString& error);

private:
    QString m_target;
    QTemporaryFile m_temporary;
};
