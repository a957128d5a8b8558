#include "support/Environment.h"

#include <cstdlib>

namespace testing_support {

#ifdef _WIN32

void SetEnvironment(const char* name, const std::string& value) { _putenv_s(name, value.c_str()); }
// An empty value removes the variable.
void UnsetEnvironment(const char* name) { _putenv_s(name, ""); }

#else

void SetEnvironment(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }
void UnsetEnvironment(const char* name) { unsetenv(name); }

#endif

}  // namespace testing_support
