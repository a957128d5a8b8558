// Made-up items in any number, always the same ones in the same order (a fixed seed per
// kind), with values of realistic lengths: for load and performance tests.
#pragma once

#include "olsim/ItemData.h"

#include <cstdint>
#include <random>
#include <string>

namespace olsim {

class ItemGenerator {
public:
    explicit ItemGenerator(ItemKind kind);

    ItemData Next();

private:
    ItemData NextContact();
    ItemData NextAppointment();
    ItemData NextTask();
    ItemData NextNote();

    // Each draws its random numbers one after another, so that the items do not depend on
    // the order in which a compiler evaluates arguments.
    std::string Phone();
    std::string Street(std::uint32_t highestNumber);
    std::string Date(unsigned firstYear, unsigned years);

    // 0 to count - 1.
    std::uint32_t Below(std::uint32_t count) { return m_random() % count; }
    bool Chance(std::uint32_t percent) { return Below(100) < percent; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&choices)[N])
    {
        return choices[Below(N)];
    }

    ItemKind m_kind;
    std::mt19937 m_random;
    std::uint32_t m_count = 0;
};

}  // namespace olsim
