#include "platform/linux/LauncherFiles.h"

#include <yaml-cpp/yaml.h>

#include <nlohmann/json.hpp>
#include <span>
#include <string_view>
#include <utility>

#include "platform/Files.h"

namespace platform {

namespace {

void CollectJson(const nlohmann::json& value, std::span<const char* const> keys,
                 std::vector<std::string>& texts) {
  if (keys.empty()) {
    if (value.is_string()) texts.push_back(value.get<std::string>());
    return;
  }
  if (std::string_view(keys.front()) == "*") {
    if (value.is_structured()) {
      for (const nlohmann::json& item : value) CollectJson(item, keys.subspan(1), texts);
    }
  } else if (value.is_object()) {
    if (const auto member = value.find(keys.front()); member != value.end()) {
      CollectJson(*member, keys.subspan(1), texts);
    }
  }
}

}  // namespace

std::string YamlText(const std::string& file, std::initializer_list<const char*> keys) {
  std::string text;
  if (ReadWholeFile(file, text) != ReadStatus::Ok) return "";
  try {
    YAML::Node node = YAML::Load(text);
    for (const char* key : keys) {
      if (!node.IsMap()) return "";
      node.reset(std::as_const(node)[key]);  // a missing key gives a node that throws
    }
    return node.IsScalar() ? node.Scalar() : "";
  } catch (const YAML::Exception&) {
    return "";
  }
}

std::vector<std::string> JsonTexts(const std::string& file,
                                   std::initializer_list<const char*> keys) {
  std::vector<std::string> texts;
  std::string text;
  if (ReadWholeFile(file, text) != ReadStatus::Ok) return texts;
  const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
  CollectJson(document, std::span(keys.begin(), keys.size()), texts);
  return texts;
}

}  // namespace platform
