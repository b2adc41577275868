#pragma once
// The write half of the atomic file operations: a temporary file beside the
// target that becomes the target only when everything was written and
// flushed. Until then the target is untouched, and a temporary that is not
// committed is removed.

#include <cstddef>
#include <string>

namespace platform {

// Closes the descriptor it owns.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  int Get() const { return fd_; }
  void Reset(int fd);
  bool Close();  // false when closing reports an error

 private:
  int fd_;
};

class ReplacementFile {
 public:
  // `target` is a native path; a symbolic link is followed to its file.
  explicit ReplacementFile(const std::string& target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  bool Created() const { return fd_.Get() >= 0; }
  bool Write(const char* data, std::size_t size);
  // Flushes the data to disk and renames the temporary over the target.
  bool Commit();

 private:
  bool CreateTemporary();

  std::string target_;
  std::string temporary_;
  UniqueFd fd_;
  bool committed_ = false;
};

}  // namespace platform
