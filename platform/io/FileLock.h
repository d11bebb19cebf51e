#pragma once
// An advisory lock that one writer of a file holds for the whole of its save, so that two
// programs saving one file at the same time take turns instead of mixing their work. It is
// taken on a lock file beside the file (the save replaces the file itself, and a lock on the
// old one would go with it), which is removed again when the lock is let go or the object
// goes.
#include <string>

namespace io {

class FileLock {
public:
    static constexpr const char* Suffix = ".lock";

    // The lock for the file at path; nothing is taken yet.
    explicit FileLock(std::string path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock without waiting. False, with Error() set, when another holds it (the
    // process it names, when it wrote its number) or the lock file cannot be opened.
    bool TryLock();
    void Unlock();
    bool HeldByOther() const { return m_heldByOther; }
    // A clause for the caller's sentence, such as `another program (process 812) is saving
    // it`.
    const std::string& Error() const { return m_error; }
    const std::string& LockPath() const { return m_lockPath; }

private:
    int OpenLockFile(bool* writable);

    std::string m_lockPath;
    std::string m_error;
    int m_fd = -1;
    bool m_heldByOther = false;
};

}  // namespace io
