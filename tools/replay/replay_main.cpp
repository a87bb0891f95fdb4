// cinquevole-replay: runs a script of user events from standard input through the game and
// prints its state on each "dump".
#include <iostream>

#include "replay/replay_session.h"

int main() {
    std::ios::sync_with_stdio(false);
    cinq::replay::ReplaySession session(std::cout);
    return cinq::replay::ReplaySession::exitCode(session.runScript(std::cin));
}
