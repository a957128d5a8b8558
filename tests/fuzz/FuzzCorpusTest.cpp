// Every fuzz target over every input of its corpus: the seeds and each input that once
// broke the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int BrindleFuzz_csv_split(const std::uint8_t* pData, std::size_t nSize);
extern "C" int BrindleFuzz_csv_import(const std::uint8_t* pData, std::size_t nSize);
extern "C" int BrindleFuzz_ini(const std::uint8_t* pData, std::size_t nSize);
extern "C" int BrindleFuzz_profile(const std::uint8_t* pData, std::size_t nSize);
extern "C" int BrindleFuzz_item_state(const std::uint8_t* pData, std::size_t nSize);

namespace {

struct FuzzTarget {
    const char* szName;  // also the corpus folder
    int (*Run)(const std::uint8_t* pData, std::size_t nSize);
};

void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.szName; }

constexpr FuzzTarget kTargets[] = {
    {"csv_split", &BrindleFuzz_csv_split},
    {"csv_import", &BrindleFuzz_csv_import},
    {"ini", &BrindleFuzz_ini},
    {"profile", &BrindleFuzz_profile},
    {"item_state", &BrindleFuzz_item_state},
};

std::vector<std::filesystem::path> CorpusOf(const char* szName)
{
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(BRINDLE_FUZZ_CORPUS) / szName;
    if (std::filesystem::is_directory(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> BytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzCorpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputRunsCleanly)
{
    const std::vector<std::filesystem::path> files = CorpusOf(GetParam().szName);
    ASSERT_FALSE(files.empty()) << "no corpus for " << GetParam().szName << " in " << BRINDLE_FUZZ_CORPUS;
    for (const std::filesystem::path& file : files) {
        // A sanitizer ends the program without a test failure; this line says which input did it.
        std::cerr << "fuzz input " << file.string() << '\n';
        SCOPED_TRACE("fuzz input " + file.string());
        const std::vector<std::uint8_t> bytes = BytesOf(file);
        EXPECT_EQ(GetParam().Run(bytes.data(), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) { return std::string(info.param.szName); });

}  // namespace
