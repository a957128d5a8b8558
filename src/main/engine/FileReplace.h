// Writing a whole file so that it is either there complete or not changed at all: the bytes go
// to a new file in the same folder, which then takes the target's name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes bytes as the file at path, replacing any file there. The reason it failed, in the
// system's words, when it did; the file at path is then as it was and no other file is left.
std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes);
