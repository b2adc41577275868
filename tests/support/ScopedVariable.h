#pragma once
// Sets an environment variable (or removes it, for nullptr) for the lifetime
// of the object; the old value comes back when it goes.

#include <cstdlib>
#include <optional>
#include <string>

namespace kvpm::testing {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedVariable() { Set(old_ ? old_->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Set(const char* value) const {
#ifdef _WIN32
    // An empty value removes the variable there.
    _putenv_s(name_, value == nullptr ? "" : value);
#else
    if (value == nullptr) {
      unsetenv(name_);
    } else {
      setenv(name_, value, 1);
    }
#endif
  }

  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace kvpm::testing
