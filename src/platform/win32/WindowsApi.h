#pragma once
// <windows.h> for the Win32 backend. The program carries text as UTF-8; the
// backend calls the wide ("W") functions, so that every name Windows allows
// reaches the system whatever its ANSI code page. The header's DeleteFile
// and CreateFile macros would rename the platform layer's own functions, so
// they are taken back.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef DeleteFile
#undef CreateFile

#include <string>
#include <string_view>

namespace platform {

// The program's text for the wide functions. Text that is no valid UTF-8
// was written by an earlier version of the program in the system's ANSI
// code page (the recent files of an old kvpm.ini), and is read as such.
std::wstring Wide(std::string_view text);

// A wide text as the program's UTF-8.
std::string Utf8(std::wstring_view text);

// The text a wide Win32 function writes into a buffer of the caller's size,
// for the functions that answer the size they need (terminator included)
// when the buffer is too small, and the length written otherwise; "" on
// failure.
template <typename Call>
std::string ApiText(Call call) {
  std::wstring text(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0) return "";
    if (length < text.size()) {
      text.resize(length);
      return Utf8(text);
    }
    text.resize(length);
  }
  return "";
}

// Keeps Windows from asking the user to insert a disc while the program
// looks at a drive that holds none; the call just fails instead.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
  ~QuietDriveErrors() { SetThreadErrorMode(old_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD old_ = 0;
};

}  // namespace platform
