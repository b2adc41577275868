#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

// The text in the code page as UTF-16; "" when it is not valid there (with
// MB_ERR_INVALID_CHARS) or cannot be converted.
std::wstring Decoded(UINT codePage, DWORD flags, std::string_view text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring Wide(std::string_view text) {
  std::wstring wide = Decoded(CP_UTF8, MB_ERR_INVALID_CHARS, text);
  if (wide.empty()) wide = Decoded(CP_ACP, 0, text);
  return wide;
}

std::string Utf8(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace platform
