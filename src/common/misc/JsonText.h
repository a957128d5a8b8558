// A text as a JSON string, for the program's and the tools' machine-readable output.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 text in double quotes, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);
