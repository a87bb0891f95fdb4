#include "replay/scripted_host.h"

namespace cinq::replay {

Answer ScriptedHost::ask(const Message& message) {
    Answer answer = message.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    record({Shown::Kind::Message, message, answer});
    return answer;
}

void ScriptedHost::showNormalAtLargest() {
    ++normalAtLargestCalls;
    state = WindowState::Normal;
    size = kLargestOuterSize;
}

void ScriptedHost::record(const Shown& entry) {
    shown.push_back(entry);
    if (onShow) {
        onShow(entry);
    }
}

std::vector<std::string> ScriptedHost::messageTexts() const {
    std::vector<std::string> texts;
    for (const Shown& s : shown) {
        if (s.kind == Shown::Kind::Message) {
            texts.push_back(s.message.text);
        }
    }
    return texts;
}

}  // namespace cinq::replay
