#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/Paths.h"

namespace platform {

namespace {

constexpr std::intptr_t noFile = -1;

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

// Closes a descriptor once; false when closing reports an error.
bool CloseOnce(std::intptr_t& handle) {
  if (handle == noFile) return true;
  const int result = close(Fd(handle));
  handle = noFile;
  return result == 0;
}

// The file a target path stands for: the file a symbolic link names, so
// that replacing it keeps the link.
std::string FollowLink(const std::string& target) {
  struct stat status;
  if (lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return target;
  std::unique_ptr<char, void (*)(void*)> real(realpath(target.c_str(), nullptr), std::free);
  return real ? std::string(real.get()) : target;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Wine shows a file without any write permission bit as read-only. The
// bits decide, not access(), so that the rule holds for root as well.
bool ReadOnly(const struct stat& status) { return (status.st_mode & 0222) == 0; }

void SyncFolder(const std::string& folder) {
  const int directory = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory < 0) return;
  fsync(directory);
  close(directory);
}

}  // namespace

InputFile::InputFile(const std::string& path) : handle_(noFile) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return;
  handle_ = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (handle_ < 0) {
    handle_ = noFile;
    status_ = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
    return;
  }
  struct stat status;
  if (fstat(Fd(handle_), &status) != 0 || !S_ISREG(status.st_mode)) {
    status_ = ReadStatus::Unreadable;
    return;
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  status_ = ReadStatus::Ok;
}

InputFile::~InputFile() { CloseOnce(handle_); }

std::int64_t InputFile::Read(char* buffer, std::size_t size) {
  if (status_ != ReadStatus::Ok) return -1;
  ssize_t count;
  do {
    count = read(Fd(handle_), buffer, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

ReplacementFile::ReplacementFile(const std::string& path) : handle_(noFile) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return;
  target_ = FollowLink(native);
  struct stat old;
  if (stat(target_.c_str(), &old) == 0 && ReadOnly(old)) return;
  if (!Faults().failCreateTemporary) CreateTemporary();
}

ReplacementFile::~ReplacementFile() {
  CloseOnce(handle_);
  if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

bool ReplacementFile::Created() const { return handle_ != noFile; }

bool ReplacementFile::CreateTemporary() {
  static unsigned counter = 0;
  // A leading "." keeps the temporary hidden from PathExists meanwhile; a
  // short name leaves room for a target whose name is near the limit.
  const std::string stem = FolderOf(target_) + "/.kvpm-" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = stem + std::to_string(++counter);
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    handle_ = fd;
    temporary_ = name;
    struct stat old;
    if (stat(target_.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);
    return true;
  }
  return false;
}

bool ReplacementFile::Write(const char* data, std::size_t size) {
  if (!Created()) return false;
  const std::size_t allowed = Faults().shortWrite ? size / 2 : size;
  std::size_t done = 0;
  while (done < allowed) {
    ssize_t written = write(Fd(handle_), data + done, allowed - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return done == size;
}

bool ReplacementFile::Commit() {
  if (!Created() || fsync(Fd(handle_)) != 0 || !CloseOnce(handle_)) return false;
  if (Faults().failRename || rename(temporary_.c_str(), target_.c_str()) != 0) return false;
  committed_ = true;
  SyncFolder(FolderOf(target_));
  return true;
}

bool DeleteFile(const std::string& path) {
  const std::string native = ResolvePath(path);
  struct stat status;
  if (native.empty() || Faults().failDelete || lstat(native.c_str(), &status) != 0 ||
      S_ISDIR(status.st_mode) || (!S_ISLNK(status.st_mode) && ReadOnly(status))) {
    return false;
  }
  return unlink(native.c_str()) == 0;
}

bool FileExists(const std::string& path) {
  const std::string native = ResolvePath(path);
  struct stat status;
  return !native.empty() && stat(native.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

}  // namespace platform
