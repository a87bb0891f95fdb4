#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace cinq {

// One line of the help page, in twips from the page's top-left corner. A line without a y of
// its own goes one line height below the previous one.
struct HelpLine {
    int x;
    std::optional<int> y;
    bool heading;  // bold and underlined
    std::string_view text;
};

std::span<const HelpLine> helpPage();

// The scroll bar of the help window, in twips of page movement.
struct HelpScroll {
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 2800;
    static constexpr int kSmallStep = 200;
    static constexpr int kLargeStep = 600;
};

}  // namespace cinq
