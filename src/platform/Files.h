#pragma once
// Whole-file operations on path text (resolved through ResolvePath). Whole
// files are written to a temporary file in the target's folder and renamed
// over the target, so the target is always either the old file or the new one.
// A read-only file (on Linux: one without any write permission bit, which
// Wine shows as read-only) is neither replaced nor deleted, as on Windows.

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

enum class ReadStatus { Ok, Missing, Unreadable };

// No playlist or settings file comes near this size (a playlist file is
// about 30 KB): a larger one is taken for a wrong file and not read.
constexpr std::uint64_t kMaxReadSize = 16 << 20;

// A folder, a device, a file that cannot be read and one larger than
// maxSize are Unreadable.
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes,
                         std::uint64_t maxSize = kMaxReadSize);

// True when a file (not a folder) is at the path, hidden or not.
bool FileExists(const std::string& path);
// A replaced file keeps its permission bits (on Windows its hidden and
// system marks); on Linux a symbolic link is written through to its file.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// True when a file was removed; folders are never removed.
bool DeleteFile(const std::string& path);

// Copies in chunks to a temporary file beside the target, checks the size
// against the source and renames it into place; on any failure the temporary
// file is removed and the target is left as it was. progress(done, total) is
// called after every chunk.
bool CopyFileReplacing(const std::string& source, const std::string& target,
                       const std::function<void(std::uint64_t, std::uint64_t)>& progress);

// Test hooks that make the write steps fail, one at a time. shortWrite writes
// half of the data and then fails as a full disk does. failRead makes an
// existing file Unreadable; failDelete leaves the file in place.
struct FileFaults {
  bool failCreateTemporary = false;
  bool shortWrite = false;
  bool failRename = false;
  bool failRead = false;
  bool failDelete = false;
};
FileFaults& Faults();

}  // namespace platform
