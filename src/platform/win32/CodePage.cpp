#include "platform/CodePage.h"

#include "platform/win32/WindowsApi.h"

namespace platform {

std::string Utf8FromSystemCodePage(const std::string& text) { return Utf8(Wide(text)); }

}  // namespace platform
