// The generated items of the olsim tool: one seed always makes the same items, another seed
// other items, and the tool takes the seed from its command line.
#include "olsim/GeneratedItems.h"
#include "olsim/ToolArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace {

using olsim::ItemKind;

std::vector<olsim::ItemData> Made(ItemKind kind, std::uint32_t seed, int count)
{
    olsim::ItemGenerator generator(kind, seed);
    std::vector<olsim::ItemData> items;
    for (int i = 0; i < count; ++i)
        items.push_back(generator.Next());
    return items;
}

bool SameItems(const std::vector<olsim::ItemData>& a, const std::vector<olsim::ItemData>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].values != b[i].values || a[i].userProperties.size() != b[i].userProperties.size() ||
            a[i].recurrence.has_value() != b[i].recurrence.has_value())
            return false;
    }
    return true;
}

TEST(GeneratorSeed, TheSameSeedMakesTheSameItemsAndAnotherSeedOthers)
{
    for (const ItemKind kind : olsim::kAllItemKinds) {
        const auto first = Made(kind, 7, 50);
        EXPECT_TRUE(SameItems(first, Made(kind, 7, 50))) << static_cast<int>(kind);
        EXPECT_FALSE(SameItems(first, Made(kind, 8, 50))) << static_cast<int>(kind);
        EXPECT_TRUE(SameItems(Made(kind, olsim::kDefaultGeneratorSeed, 20), Made(kind, 1, 20)));
    }
}

TEST(GeneratorSeed, TheToolTakesTheSeedOrSaysWhatIsWrongWithIt)
{
    struct Case {
        std::vector<std::string> args;
        std::uint32_t seed;     // when the line is accepted
        const char* problem;    // else the start of the message
    };
    const Case cases[] = {
        {{"seed", "--contacts", "3"}, olsim::kDefaultGeneratorSeed, nullptr},
        {{"seed", "--contacts", "3", "--seed", "42"}, 42, nullptr},
        {{"seed", "--seed=4294967295", "--notes=1"}, 4294967295u, nullptr},
        {{"seed", "--seed", "-1"}, 0, "--seed needs a number"},
        {{"seed", "--seed", "4294967296"}, 0, "--seed needs a number"},
        {{"seed", "--seed", "seven"}, 0, "--seed needs a number"},
        {{"seed", "--seed"}, 0, "--seed needs a number"},
    };
    for (const Case& c : cases) {
        const auto parsed = olsim::ParseToolArguments(c.args);
        if (c.problem == nullptr) {
            ASSERT_TRUE(std::holds_alternative<olsim::ToolArguments>(parsed)) << c.args.back();
            EXPECT_EQ(std::get<olsim::ToolArguments>(parsed).generatorSeed, c.seed) << c.args.back();
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.args.back();
            EXPECT_EQ(std::get<std::string>(parsed).rfind(c.problem, 0), 0u) << std::get<std::string>(parsed);
        }
    }
}

}  // namespace
