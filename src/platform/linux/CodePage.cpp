#include "platform/CodePage.h"

namespace platform {

std::string Utf8FromSystemCodePage(const std::string& text) { return text; }

}  // namespace platform
