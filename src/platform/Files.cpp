#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/Paths.h"
#include "platform/linux/ReplacementFile.h"

namespace platform {

namespace {

constexpr std::size_t copyChunk = 1 << 20;

// Opens an ordinary file for reading. Never blocks on a pipe or a device.
ReadStatus OpenForReading(const std::string& path, UniqueFd& fd, std::uint64_t& size) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return ReadStatus::Missing;
  fd.Reset(open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) {
    return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
  }
  struct stat status;
  if (fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode) || Faults().failRead) {
    return ReadStatus::Unreadable;
  }
  size = static_cast<std::uint64_t>(status.st_size);
  return ReadStatus::Ok;
}

// Reads up to `size` bytes; -1 on an error.
ssize_t ReadSome(int fd, char* buffer, std::size_t size) {
  ssize_t count;
  do {
    count = read(fd, buffer, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  UniqueFd fd;
  std::uint64_t size = 0;
  ReadStatus status = OpenForReading(path, fd, size);
  if (status != ReadStatus::Ok) return status;
  bytes.reserve(size);
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    ssize_t count = ReadSome(fd.Get(), buffer.data(), buffer.size());
    if (count < 0) {
      bytes.clear();
      return ReadStatus::Unreadable;
    }
    if (count == 0) return ReadStatus::Ok;
    bytes.append(buffer.data(), static_cast<std::size_t>(count));
  }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return false;
  ReplacementFile file(native);
  return file.Write(bytes.data(), bytes.size()) && file.Commit();
}

bool DeleteFile(const std::string& path) {
  const std::string native = ResolvePath(path);
  struct stat status;
  if (native.empty() || Faults().failDelete || lstat(native.c_str(), &status) != 0 ||
      S_ISDIR(status.st_mode)) {
    return false;
  }
  return unlink(native.c_str()) == 0;
}

bool CopyFileReplacing(const std::string& source, const std::string& target,
                       const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
  UniqueFd in;
  std::uint64_t total = 0;
  if (OpenForReading(source, in, total) != ReadStatus::Ok) return false;
  const std::string native = ResolvePath(target);
  if (native.empty()) return false;
  ReplacementFile out(native);
  std::vector<char> buffer(copyChunk);
  std::uint64_t done = 0;
  for (;;) {
    ssize_t count = ReadSome(in.Get(), buffer.data(), buffer.size());
    if (count < 0) return false;
    if (count == 0) break;
    if (!out.Write(buffer.data(), static_cast<std::size_t>(count))) return false;
    done += static_cast<std::uint64_t>(count);
    if (progress) progress(done, total);
  }
  return done == total && out.Commit();
}

}  // namespace platform
