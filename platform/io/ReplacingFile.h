#pragma once
// Replaces a file so that a reader finds either the whole old file or the whole new one: the
// new bytes go to a file created beside the target, are synced, and only then renamed over
// it. The target's mode is kept, a symbolic link is saved through to the file it names, and
// a file its owner made read-only is refused rather than replaced.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace io {

class ReplacingFile {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the new file beside the target, exclusively, so that nothing already there
    // under that name (a link planted by someone else included) is written through. The
    // caller owns the stream: it writes, flushes, syncs and closes it through the seam's
    // functions, then calls Commit or Discard. Null, with Error() set, on failure.
    std::FILE* Create();
    // Puts the closed new file in place of the target. False, with Error() set, and the new
    // file removed, when the rename fails.
    bool Commit();
    // Removes the new file; the target stays as it was.
    void Discard();

    // Everything at once, for writers that hold the whole file in memory. False, with
    // Error() set, when any step fails; the target is then unchanged.
    bool WriteAll(std::span<const std::uint8_t> bytes);

    // The reason of the last failure, a clause such as `cannot write "x.new": No space left
    // on device`, to be placed in the caller's sentence.
    const std::string& Error() const { return m_error; }
    // Records a failure of the caller's own writing, with errno's reason, and discards.
    void Fail(const std::string& what, int error);
    // The file that is replaced (a link's target) and the new file beside it.
    const std::string& TargetPath() const { return m_target; }
    const std::string& NewPath() const { return m_newPath; }

private:
    std::string m_path;
    std::string m_target;
    std::string m_newPath;
    std::string m_error;
    bool m_created = false;
};

// The text of an errno value, or a plain statement when the system gave none.
std::string ErrorText(int error);

}  // namespace io
