// cinquevole-selfplay: the positions of the engine's games against itself, with the features of
// its evaluation and each game's result, for tools/tune/tune.py.
//
//   cinquevole-selfplay --games N --nodes N --seed S [--side N] [--sample PERCENT] --out FILE

#include <charconv>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "tune/selfplay.h"

namespace {

template <typename T>
bool parse(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

int usage() {
    std::cerr << "usage: cinquevole-selfplay --games N --nodes N --seed S [--side N] "
                 "[--sample PERCENT] --out FILE\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    tune::SelfPlayOptions options;
    std::string outPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (i + 1 >= argc)
            return usage();
        const std::string_view value = argv[++i];
        bool ok = true;
        if (flag == "--games") {
            ok = parse(value, options.games) && options.games > 0;
        } else if (flag == "--nodes") {
            ok = parse(value, options.nodes) && options.nodes > 0;
        } else if (flag == "--seed") {
            ok = parse(value, options.seed);
        } else if (flag == "--side") {
            ok = parse(value, options.side) && options.side >= 9 && options.side <= 32;
        } else if (flag == "--sample") {
            ok = parse(value, options.samplePercent) && options.samplePercent > 0 &&
                 options.samplePercent <= 100;
        } else if (flag == "--out") {
            outPath = value;
        } else {
            ok = false;
        }
        if (!ok)
            return usage();
    }
    if (outPath.empty())
        return usage();
    std::ofstream out(outPath);
    if (!out) {
        std::cerr << "cinquevole-selfplay: cannot write " << outPath << "\n";
        return 1;
    }
    tune::selfPlay(options, out, &std::cerr);
    out.close();
    if (!out) {
        std::cerr << "cinquevole-selfplay: error writing " << outPath << "\n";
        return 1;
    }
    return 0;
}
