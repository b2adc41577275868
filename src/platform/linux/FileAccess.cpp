#include "platform/linux/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/Files.h"

namespace platform {

namespace {

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

void SyncFolder(const std::string& folder) {
  UniqueFd directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Get() >= 0) fsync(directory.Get());
}

}  // namespace

UniqueFd::~UniqueFd() { Close(); }

void UniqueFd::Reset(int fd) {
  Close();
  fd_ = fd;
}

bool UniqueFd::Close() {
  if (fd_ < 0) return true;
  int result = close(fd_);
  fd_ = -1;
  return result == 0;
}

ReplacementFile::ReplacementFile(const std::string& target) : target_(FollowLink(target)) {
  if (!Faults().failCreateTemporary) CreateTemporary();
}

ReplacementFile::~ReplacementFile() {
  fd_.Close();
  if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

bool ReplacementFile::CreateTemporary() {
  static unsigned counter = 0;
  const std::string folder = FolderOf(target_);
  // A leading "." keeps the temporary hidden from PathExists meanwhile.
  const std::string stem = folder + "/." + target_.substr(target_.find_last_of('/') + 1) + ".tmp-" +
                           std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = stem + std::to_string(++counter);
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    fd_.Reset(fd);
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
    ssize_t written = write(fd_.Get(), data + done, allowed - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return done == size;
}

bool ReplacementFile::Commit() {
  if (!Created() || fsync(fd_.Get()) != 0 || !fd_.Close()) return false;
  if (Faults().failRename || rename(temporary_.c_str(), target_.c_str()) != 0) return false;
  committed_ = true;
  SyncFolder(FolderOf(target_));
  return true;
}

}  // namespace platform
