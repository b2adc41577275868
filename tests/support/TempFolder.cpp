#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace kvpm::testing {

// A name nobody else holds: create_directory reports whether it made the
// folder or found one there.
TempFolder::TempFolder() {
  static std::mt19937_64 random{std::random_device{}()};
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  for (int attempt = 0; attempt < 100 && !error; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "kvpm-test-%016llx",
                  static_cast<unsigned long long>(random()));
    if (std::filesystem::create_directory(base / name, error)) {
      path_ = base / name;
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary folder";
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Tests make folders read-only; give the owner access back before removing.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  }
  std::filesystem::remove_all(path_, error);
}

std::string TempFolder::Native(const std::string& relative) const {
  return relative.empty() ? path_.string() : (path_ / relative).string();
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << file;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kvpm::testing
