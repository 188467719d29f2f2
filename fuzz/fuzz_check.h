#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orvalis::fuzz {

// Stops the run as a finding when a reader breaks a promise it makes; the
// fuzzer then keeps the input that did it.
inline void Require(bool holds, std::string_view promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %.*s\n", static_cast<int>(promise.size()),
                 promise.data());
    std::abort();
}

// The input as text.
inline std::string_view InputText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace orvalis::fuzz
