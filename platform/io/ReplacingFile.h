#pragma once
// Replaces a file so that a reader finds either the whole old file or the whole new one: the
// new bytes go to a file of this writer's own created beside the target, are synced, and only
// then renamed over it. The target's mode, and its owner and group where the writer may set
// them, are kept; a file its owner made read-only is refused rather than replaced.
//
// Only a regular file (or a name with nothing behind it yet) is replaced. Anything else, a
// device such as /dev/null or a pipe such as /dev/stdout, is written straight to, since a
// rename would put a regular file in place of the device node. A symbolic link is saved
// through to the file it names only when every link on the way has the owner of that file,
// the rule the kernel's protection against planted links (fs.protected_symlinks) applies in
// shared directories: someone else's link is refused, never followed.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include <sys/types.h>

namespace io {

class ReplacingFile {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the new file beside the target under a name no other writer uses, exclusively,
    // so that nothing already there (a link planted by someone else included) is written
    // through; or opens the target itself when it is not a regular file. The caller owns the
    // stream: it writes, flushes, syncs and closes it through the seam's functions, then
    // calls Commit or Discard. Null, with Error() set, on failure.
    std::FILE* Create();
    // Puts the closed new file in place of the target (nothing to do for a target written
    // in place). False, with Error() set, and the new file removed, when the rename fails.
    bool Commit();
    // Removes the new file; the target stays as it was.
    void Discard();

    // Everything at once, for writers that hold the whole file in memory. False, with
    // Error() set, when any step fails; the target is then unchanged.
    bool WriteAll(std::span<const std::uint8_t> bytes);

    // The reason of the last failure, a clause such as `cannot write "x.new-12": No space
    // left on device`, to be placed in the caller's sentence.
    const std::string& Error() const { return m_error; }
    // Records a failure of the caller's own writing, with errno's reason, and discards.
    void Fail(const std::string& what, int error);
    // The file that is replaced (a link's target) and the new file beside it (empty until
    // Create made it).
    const std::string& TargetPath() const { return m_target; }
    const std::string& NewPath() const { return m_newPath; }
    // Whether the target is a device, pipe or socket that is written straight to.
    bool WritesInPlace() const { return m_inPlace; }
    // False, with Error() set, when the path leads through a link that is not followed.
    bool IsUsable() const { return m_refusal.empty(); }
    // Removes the new files earlier writers left beside the target. Only for a caller that
    // holds the lock every writer of the file takes: a new file found then was left by a
    // write that never finished.
    void RemoveStaleNewFiles() const;

private:
    void ReadTarget();
    std::string NewFilePrefix() const;
    std::FILE* OpenInPlace();
    int CreateBeside(mode_t mode);

    std::string m_path;
    std::string m_target;
    std::string m_newPath;
    std::string m_error;
    std::string m_refusal;
    bool m_created = false;
    bool m_inPlace = false;
};

// The text of an errno value, or a plain statement when the system gave none.
std::string ErrorText(int error);

}  // namespace io
