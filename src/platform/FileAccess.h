#pragma once
// The file primitives that each backend provides (linux/FileAccess.cpp,
// win32/FileAccess.cpp) and on which Files.cpp builds the whole-file
// operations. Both take path text and resolve it themselves.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace platform {

// An ordinary file open for reading. A folder, a device or a pipe is
// Unreadable, and opening one never blocks.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  ReadStatus Status() const { return status_; }
  std::uint64_t Size() const { return size_; }
  // Reads up to `size` bytes: the count read, 0 at the end, -1 on an error.
  std::int64_t Read(char* buffer, std::size_t size);

 private:
  std::intptr_t handle_;
  ReadStatus status_ = ReadStatus::Missing;
  std::uint64_t size_ = 0;
};

// The write half of the atomic file operations: a temporary file beside the
// target that becomes the target only when everything was written and
// flushed. Until then the target is untouched, and a temporary that is not
// committed is removed. The temporary is hidden from PathExists meanwhile,
// and the replaced file keeps the target's permissions or attributes.
class ReplacementFile {
 public:
  explicit ReplacementFile(const std::string& path);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  bool Write(const char* data, std::size_t size);
  // Flushes the data to disk and renames the temporary over the target.
  bool Commit();

 private:
  bool Created() const;
  bool CreateTemporary();

  std::string target_;
  std::string temporary_;
  std::intptr_t handle_;
  bool committed_ = false;
};

}  // namespace platform
