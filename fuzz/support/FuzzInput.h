#pragma once
// Typed values taken one after another from the front of a fuzz input. Past its end every value is
// 0, false or empty, so a harness never tests the length; the rest of the input is often the text
// under test.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace Fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : mData(data), mSize(size) {}

    std::size_t remaining() const { return mSize - mPos; }
    bool empty() const { return mPos == mSize; }

    std::uint8_t byte() { return mPos < mSize ? mData[mPos++] : 0; }
    bool flag() { return (byte() & 1) != 0; }

    /// A number from 0 to n - 1 (0 when n is 0 or 1), from as few bytes as n needs.
    std::size_t below(std::size_t n) {
        if (n <= 1)
            return 0;
        std::size_t value = 0;
        for (std::size_t span = n - 1; span != 0; span >>= 8)
            value = (value << 8) | byte();
        return value % n;
    }

    /// One of the values.
    template <class T, std::size_t N> const T& pick(const T (&values)[N]) { return values[below(N)]; }

    /// The next sizeof(T) bytes as a T, as memory holds it.
    template <class T> T raw() {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    /// A string of up to maxLength bytes: a length, then that many bytes.
    std::string bytes(std::size_t maxLength) {
        const std::size_t wanted = below(maxLength + 1); // before remaining(): it takes bytes
        const std::size_t length = std::min(wanted, remaining());
        std::string text(reinterpret_cast<const char*>(mData + mPos), length);
        mPos += length;
        return text;
    }

    /// Everything not taken yet.
    std::string_view rest() {
        std::string_view text(reinterpret_cast<const char*>(mData + mPos), mSize - mPos);
        mPos = mSize;
        return text;
    }

private:
    const std::uint8_t* mData;
    std::size_t mSize;
    std::size_t mPos = 0;
};

} // namespace Fuzz
