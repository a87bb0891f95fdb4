#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "board/host.h"

namespace cinq::replay {

// What the game showed the user, in order.
struct Shown {
    enum class Kind { Message, Options, Statistics, Help };
    Kind kind = Kind::Message;
    Message message;             // for a message box
    Answer answer = Answer::Ok;  // the button pressed
};

// A host that answers from a script and records what it was asked to show. Message boxes take
// the next queued answer; with none queued, an OK box is answered OK and a Yes/No box Yes.
class ScriptedHost : public Host {
public:
    std::deque<Answer> answers;
    std::vector<Shown> shown;
    OuterSize size = kDesignOuterSize;
    WindowState state = WindowState::Normal;
    bool ended = false;
    int normalAtLargestCalls = 0;
    std::vector<int> placedComputerPoints;
    // Runs when a window or message box opens, to look at the model at that moment.
    std::function<void(const Shown&)> onShow;

    Answer ask(const Message& message) override;
    void showOptions() override { record({Shown::Kind::Options, {}, Answer::Ok}); }
    void showStatistics() override { record({Shown::Kind::Statistics, {}, Answer::Ok}); }
    void showHelp() override { record({Shown::Kind::Help, {}, Answer::Ok}); }
    WindowState windowState() const override { return state; }
    OuterSize outerSize() const override { return size; }
    void showNormalAtLargest() override;
    void endProgram() override { ended = true; }
    void computerPointPlaced(int cell) override { placedComputerPoints.push_back(cell); }

    // The texts of the message boxes shown, in order.
    std::vector<std::string> messageTexts() const;

private:
    void record(const Shown& entry);
};

}  // namespace cinq::replay
