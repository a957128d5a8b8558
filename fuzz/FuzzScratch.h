// A private folder for the files a fuzz target feeds to the program, made once per process
// and removed when it ends. The program's debug log is sent there too, so fuzzing neither
// litters the working folder nor grows a log beside the sources.
#pragma once

#include <string>
#include <string_view>

namespace fuzz_support {

const std::string& ScratchFolder();

// Writes bytes as the file szName of the scratch folder, replacing it; returns its path.
std::string WriteScratchFile(const char* szName, std::string_view bytes);

}  // namespace fuzz_support
