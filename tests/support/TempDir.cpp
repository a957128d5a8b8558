#include "support/TempDir.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace testing_support {

// create_directory fails on an existing name, so a folder made here is no one else's.
TempDir::TempDir()
{
    constexpr int kAttempts = 100;
    std::random_device seed;
    std::mt19937_64 draw(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int nAttempt = 0; nAttempt < kAttempts; ++nAttempt) {
        std::filesystem::path candidate = base / ("brindle-test-" + std::to_string(draw() % 1000000000u));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            m_path = candidate.generic_string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace testing_support
