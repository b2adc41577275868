#pragma once
// The launchers' settings files, read with the libraries made for their
// formats: YAML (Lutris, Bottles) and JSON (Heroic, Faugus Launcher,
// Minigalaxy). A file that is missing, half written or not what it claims
// gives nothing; only text values are taken.

#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// The text at a path of keys in a YAML file; "" when there is none.
std::string YamlText(const std::string& file, std::initializer_list<const char*> keys);

// The texts at a path of keys in a JSON file, in the file's order; the key
// "*" stands for every member of an object and every element of an array.
std::vector<std::string> JsonTexts(const std::string& file,
                                   std::initializer_list<const char*> keys);

}  // namespace platform
