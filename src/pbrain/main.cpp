// pbrain-cinquevole: the engine, or the game's computer at one of its levels, as a Gomocup
// ("pbrain") program on standard input and output.
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "pbrain/bench.h"
#include "pbrain/engine_player.h"
#include "pbrain/level_player.h"
#include "pbrain/protocol.h"

namespace {

constexpr std::string_view kUsage =
    "usage: pbrain-cinquevole [--level 0|1|2 | --bench]\n"
    "Speaks the Gomocup protocol on standard input and output. Without --level it plays with\n"
    "its own engine; --level N plays as the game's computer at level N (0 is the initiation).\n"
    "--bench searches a fixed set of positions and prints the engine's node-count signature.\n";

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::unique_ptr<pbrain::Player> player;
    std::string name = "pbrain-cinquevole";
    const std::string_view level =
        argc == 3 && std::string_view(argv[1]) == "--level" ? argv[2] : "";
    if (argc == 2 && std::string_view(argv[1]) == "--bench") {
        pbrain::runBench(std::cout);
        return 0;
    }
    if (argc == 1) {
        player = std::make_unique<pbrain::EnginePlayer>();
    } else if (level == "0" || level == "1" || level == "2") {
        constexpr cinq::Level kLevels[] = {cinq::Level::Initiation, cinq::Level::One,
                                           cinq::Level::Two};
        player =
            std::make_unique<pbrain::LevelPlayer>(kLevels[level[0] - '0'], std::random_device{}());
        name += " --level " + std::string(level);
    } else {
        std::cerr << kUsage;
        return 2;
    }
    pbrain::Protocol protocol(*player, std::cout,
                              "name=\"" + name +
                                  "\", version=\"1.0.0\", author=\"The Cinquevole developers\", "
                                  "country=\"France\", www=\"https://github.com/cinquevole\"");
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!protocol.handle(line))
            break;
    }
    return 0;
}
