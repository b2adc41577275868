#include "platform/Files.h"

#include <vector>

#include "platform/FileAccess.h"

namespace platform {

namespace {

constexpr std::size_t copyChunk = 1 << 20;

ReadStatus OpenStatus(const InputFile& file) {
  const ReadStatus status = file.Status();
  return status == ReadStatus::Ok && Faults().failRead ? ReadStatus::Unreadable : status;
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::uint64_t maxSize) {
  bytes.clear();
  InputFile file(path);
  const ReadStatus status = OpenStatus(file);
  if (status != ReadStatus::Ok) return status;
  if (file.Size() > maxSize) return ReadStatus::Unreadable;
  bytes.reserve(file.Size());
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::int64_t count = file.Read(buffer.data(), buffer.size());
    if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > maxSize) {
      bytes.clear();
      return ReadStatus::Unreadable;
    }
    if (count == 0) return ReadStatus::Ok;
    bytes.append(buffer.data(), static_cast<std::size_t>(count));
  }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  ReplacementFile file(path);
  return file.Write(bytes.data(), bytes.size()) && file.Commit();
}

bool CopyFileReplacing(const std::string& source, const std::string& target,
                       const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
  InputFile in(source);
  if (OpenStatus(in) != ReadStatus::Ok) return false;
  const std::uint64_t total = in.Size();
  ReplacementFile out(target);
  std::vector<char> buffer(copyChunk);
  std::uint64_t done = 0;
  for (;;) {
    const std::int64_t count = in.Read(buffer.data(), buffer.size());
    if (count < 0) return false;
    if (count == 0) break;
    if (!out.Write(buffer.data(), static_cast<std::size_t>(count))) return false;
    done += static_cast<std::uint64_t>(count);
    if (progress) progress(done, total);
  }
  return done == total && out.Commit();
}

}  // namespace platform
