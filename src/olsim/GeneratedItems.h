// Made-up items in any number, always the same ones in the same order for the same seed,
// with values of realistic lengths and variety: for load and performance tests.
#pragma once

#include "olsim/ItemData.h"

#include <cstdint>
#include <random>
#include <string>

namespace olsim {

// The seed the olsim tool uses unless told another.
inline constexpr std::uint32_t kDefaultGeneratorSeed = 1;

class ItemGenerator {
public:
    // Each kind draws from its own stream, so the contacts of a seed do not depend on how
    // many items of the other kinds are made with it.
    explicit ItemGenerator(ItemKind kind, std::uint32_t seed = kDefaultGeneratorSeed);

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
    std::string PersonName();
    // " #" and the item's number: a made item's key is its own, as a contact's e-mail
    // address is, so that an import of made items matches just the ones made to match.
    std::string Numbered() const;
    std::string Sentences(unsigned most);

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
