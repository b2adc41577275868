#include "platform/linux/PrefixList.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace platform {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    entries.push_back(it->path().string());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string Canonical(const std::string& folder) {
  std::unique_ptr<char, void (*)(void*)> real(realpath(folder.c_str(), nullptr), std::free);
  return real ? std::string(real.get()) : std::string();
}

std::vector<std::string> Expanded(const std::string& path, const std::vector<std::string>& homes) {
  if (path.starts_with('/')) return {path};
  std::vector<std::string> folders;
  if (path == "~" || path.starts_with("~/")) {
    for (const std::string& home : homes) folders.push_back(home + path.substr(1));
  }
  return folders;
}

void PrefixList::Add(const std::string& launcher, const std::string& folder) {
  if (folder.empty()) return;
  std::string prefix = folder;
  while (prefix.size() > 1 && prefix.ends_with('/')) prefix.pop_back();
  for (const std::string& candidate : {prefix, prefix + "/pfx"}) {
    struct stat status;
    if (stat((candidate + "/system.reg").c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
      continue;
    }
    if (seen_.insert(Canonical(candidate)).second) prefixes_.push_back({launcher, candidate});
    return;
  }
}

void PrefixList::AddConfigured(const std::string& launcher, const std::string& path,
                               const std::vector<std::string>& homes) {
  for (const std::string& folder : Expanded(path, homes)) Add(launcher, folder);
}

void PrefixList::AddEach(const std::string& launcher, const std::string& parent,
                         const std::string& below) {
  for (const std::string& folder : Entries(parent)) Add(launcher, folder + below);
}

}  // namespace platform
