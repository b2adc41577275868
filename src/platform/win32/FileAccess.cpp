#include "platform/FileAccess.h"

#include <algorithm>

#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

const std::intptr_t noFile = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Closes a handle once; false when closing reports an error.
bool CloseOnce(std::intptr_t& handle) {
  if (handle == noFile) return true;
  const BOOL closed = CloseHandle(Handle(handle));
  handle = noFile;
  return closed != 0;
}

bool NotThere(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
         error == ERROR_INVALID_NAME || error == ERROR_INVALID_DRIVE ||
         error == ERROR_BAD_NETPATH || error == ERROR_DIRECTORY;
}

// The attributes the replacement takes over from the file it replaces.
DWORD KeptAttributes(const std::wstring& target) {
  const DWORD old = GetFileAttributesW(target.c_str());
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  if (old == INVALID_FILE_ATTRIBUTES || (old & kept) == 0) return FILE_ATTRIBUTE_NORMAL;
  return old & kept;
}

}  // namespace

InputFile::InputFile(const std::string& path) : handle_(noFile) {
  if (path.empty()) return;
  QuietDriveErrors quiet;
  const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    status_ = NotThere(GetLastError()) ? ReadStatus::Missing : ReadStatus::Unreadable;
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  BY_HANDLE_FILE_INFORMATION information;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    status_ = ReadStatus::Unreadable;
    return;
  }
  size_ = (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  status_ = ReadStatus::Ok;
}

InputFile::~InputFile() { CloseOnce(handle_); }

std::int64_t InputFile::Read(char* buffer, std::size_t size) {
  if (status_ != ReadStatus::Ok) return -1;
  DWORD count = 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(Handle(handle_), buffer, wanted, &count, nullptr)) return -1;
  return count;
}

// A read-only target is refused before anything is written (the rename
// over it would fail as well).
ReplacementFile::ReplacementFile(const std::string& path) : target_(path), handle_(noFile) {
  const DWORD old = GetFileAttributesW(Wide(path).c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY) != 0) return;
  if (!path.empty() && !Faults().failCreateTemporary) CreateTemporary();
}

ReplacementFile::~ReplacementFile() {
  CloseOnce(handle_);
  if (!committed_ && !temporary_.empty()) DeleteFileW(Wide(temporary_).c_str());
}

bool ReplacementFile::Created() const { return handle_ != noFile; }

// The temporary is marked hidden, so PathExists passes it over meanwhile; a
// short name leaves room for a target whose name is near the limit.
bool ReplacementFile::CreateTemporary() {
  static unsigned counter = 0;
  const std::string stem = target_.substr(0, target_.find_last_of("\\/") + 1) + "kvpm-" +
                           std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = stem + std::to_string(++counter);
    const HANDLE file = ::CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
    if (file == INVALID_HANDLE_VALUE) return false;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    temporary_ = name;
    return true;
  }
  return false;
}

bool ReplacementFile::Write(const char* data, std::size_t size) {
  if (!Created()) return false;
  const std::size_t allowed = Faults().shortWrite ? size / 2 : size;
  std::size_t done = 0;
  while (done < allowed) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(allowed - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(Handle(handle_), data + done, wanted, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return done == size;
}

bool ReplacementFile::Commit() {
  if (!Created() || !FlushFileBuffers(Handle(handle_)) || !CloseOnce(handle_)) return false;
  const std::wstring temporary = Wide(temporary_);
  const std::wstring target = Wide(target_);
  if (!SetFileAttributesW(temporary.c_str(), KeptAttributes(target))) return false;
  if (Faults().failRename || !MoveFileExW(temporary.c_str(), target.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return false;
  }
  committed_ = true;
  return true;
}

bool DeleteFile(const std::string& path) {
  if (path.empty() || Faults().failDelete) return false;
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  return DeleteFileW(wide.c_str()) != 0;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace platform
