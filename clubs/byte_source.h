// A stream of bytes that readers pull from in pieces, so that reading a
// file never needs the whole file in memory at once.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>

namespace orv {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Fills the start of `into` with the next bytes and says how many; 0
    // only at the end. Throws when the bytes cannot be read.
    [[nodiscard]] virtual std::size_t Read(std::span<std::byte> into) = 0;
};

// The bytes of a span already in memory.
class SpanSource : public ByteSource {
public:
    explicit SpanSource(std::span<const std::byte> bytes)
        : m_rest(bytes)
    {
    }

    [[nodiscard]] std::size_t Read(std::span<std::byte> into) override
    {
        const std::size_t count = std::min(into.size(), m_rest.size());
        if (count > 0)
            std::memcpy(into.data(), m_rest.data(), count);
        m_rest = m_rest.subspan(count);
        return count;
    }

private:
    std::span<const std::byte> m_rest;
};

} // namespace orv
