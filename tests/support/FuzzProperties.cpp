#include "support/FuzzProperties.h"

#include "support/IniProperties.h"
#include "support/PlaylistFileProperty.h"
#ifndef _WIN32
#include "support/linux/PathProperty.h"
#include "support/linux/RegistryProperty.h"
#endif

namespace kvpm::testing {

namespace {

struct NamedProperty {
  std::string name;
  std::unique_ptr<Property> (*make)(FakePrefix&);
};

const std::vector<NamedProperty>& Properties() {
  static const std::vector<NamedProperty> properties = {
      {"ini-lookup", MakeIniLookupProperty},
      {"ini-write", MakeIniWriteProperty},
#ifndef _WIN32  // Wine's registry files and its drive links
      {"registry", MakeRegistryProperty},
      {"paths", MakePathProperty},
#endif
      {"playlist-file", MakePlaylistFileProperty},
  };
  return properties;
}

}  // namespace

std::unique_ptr<Property> MakeProperty(const std::string& name, FakePrefix& prefix) {
  for (const NamedProperty& property : Properties()) {
    if (property.name == name) return property.make(prefix);
  }
  return nullptr;
}

const std::vector<std::string>& PropertyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const NamedProperty& property : Properties()) all.push_back(property.name);
    return all;
  }();
  return names;
}

}  // namespace kvpm::testing
