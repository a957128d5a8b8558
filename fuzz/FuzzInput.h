// Reads a fuzz input as choices first and data after: each choice takes a byte from the
// front, and whatever is left is the data. An input too short for its choices reads zeros.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz_support {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* pData, std::size_t nSize)
        : m_bytes(reinterpret_cast<const char*>(pData), nSize)
    {
    }

    std::uint8_t TakeByte()
    {
        if (m_bytes.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(m_bytes.front());
        m_bytes.remove_prefix(1);
        return byte;
    }

    // A text of up to nMaxLength bytes, its length taken from one byte.
    std::string TakeText(std::size_t nMaxLength)
    {
        const std::size_t nLength = std::min<std::size_t>(TakeByte() % (nMaxLength + 1), m_bytes.size());
        std::string text(m_bytes.substr(0, nLength));
        m_bytes.remove_prefix(nLength);
        return text;
    }

    std::string_view Rest() const { return m_bytes; }

private:
    std::string_view m_bytes;
};

}  // namespace fuzz_support
