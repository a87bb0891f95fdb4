#pragma once

#include <array>

namespace cinq {

// The sizes, in twips, that a new computer point takes one after another as it appears, growing
// and shrinking from its top-left corner; it ends at the normal point size, 170.
inline constexpr std::array<int, 83> kComputerPointSizes = [] {
    std::array<int, 83> sizes{};
    std::size_t n = 0;
    for (const int firstTop : {450, 440}) {
        for (const int v : {200, 100, 300, 100}) {
            sizes[n++] = v;
        }
        for (int v = firstTop; v >= 400; v -= 10) {
            sizes[n++] = v;
        }
        for (int v = 350; v >= 100; v -= 10) {
            sizes[n++] = v;
        }
        for (int v = 110; v <= 150; v += 10) {
            sizes[n++] = v;
        }
        sizes[n++] = 170;
    }
    return sizes;
}();

}  // namespace cinq
