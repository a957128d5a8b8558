// Setting the test program's environment, as each system spells it.
#pragma once

#include <string>

namespace testing_support {

void SetEnvironment(const char* name, const std::string& value);
void UnsetEnvironment(const char* name);

}  // namespace testing_support
