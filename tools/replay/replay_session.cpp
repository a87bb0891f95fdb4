#include "replay/replay_session.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <vector>

#include "replay/state_dump.h"

namespace cinq::replay {

namespace {

// A maximised window reaches the screen's size, larger than the largest window: the resize
// rule then brings it back to the normal state at the largest size.
constexpr OuterSize kScreenSize{19200, 15360};

}  // namespace

Answer ReplayHost::ask(const Message& message) {
    if (!answers.empty()) {
        const bool fits = message.buttons == Buttons::Ok ? answers.front() == Answer::Ok
                                                         : answers.front() != Answer::Ok;
        if (!fits) {
            throw ScriptError{"answer does not fit the message box \"" + message.text + "\""};
        }
    }
    return ScriptedHost::ask(message);
}

void ReplayHost::showOptions() {
    ScriptedHost::showOptions();
    if (closeOptionsWithCloseBox && options != nullptr) {
        // The close box destroys the dialog: it comes back with its first settings.
        options->recreate();
    }
    closeOptionsWithCloseBox = false;
}

ReplaySession::ReplaySession(std::ostream& out) : out_(out) {
    host_.options = &options_;
}

ReplaySession::Status ReplaySession::runScript(std::istream& in) {
    return runScriptLines(*this, in, out_);
}

ReplaySession::Status ReplaySession::runLine(std::string_view line, int lineNumber) {
    return runScriptLine(*this, line, lineNumber, out_);
}

void ReplaySession::start() {
    if (game_) {
        return;
    }
    host_.size = kDesignOuterSize;
    host_.state = WindowState::Normal;
    game_.emplace(host_, options_, statistics_, computer_);
}

void ReplaySession::typeName(int box, std::string_view text) {
    if (box == 1 && !options_.secondNameEnabled()) {
        return;
    }
    // The focus selects the whole text; the first character typed replaces it.
    if (text.empty()) {
        options_.nameChanged(box, "");
        return;
    }
    std::string typed;
    for (const std::string& character : characters(text)) {
        typed += character;
        options_.nameChanged(box, typed);
    }
}

void ReplaySession::resize(int width, int height) {
    host_.size = {std::max(width, kDesignOuterSize.width),
                  std::max(height, kDesignOuterSize.height)};
    host_.state = WindowState::Normal;
    game_->windowResized();
}

void ReplaySession::setWindowState(WindowState state) {
    switch (state) {
        case WindowState::Maximised:
            host_.state = WindowState::Maximised;
            host_.size = kScreenSize;
            game_->windowResized();
            break;
        case WindowState::Minimised:
            host_.state = WindowState::Minimised;
            game_->windowResized();
            break;
        case WindowState::Normal:
            if (host_.state == WindowState::Minimised) {
                host_.state = WindowState::Normal;
                game_->windowResized();
            }
            break;
    }
}

void ReplaySession::menu(MenuCommand command, bool closeBox) {
    host_.closeOptionsWithCloseBox = closeBox;
    switch (command) {
        case MenuCommand::NewSheet: game_->menuNewSheet(); break;
        case MenuCommand::ChangeLevel: game_->menuChangeLevel(); break;
        case MenuCommand::Statistics: game_->menuStatistics(); break;
        case MenuCommand::Quit: game_->menuQuit(); break;
        case MenuCommand::Help: game_->menuHelp(); break;
    }
}

std::string ReplaySession::dump() {
    const std::vector<Shown> since(host_.shown.begin() + static_cast<long>(shownAtLastDump_),
                                   host_.shown.end());
    shownAtLastDump_ = host_.shown.size();
    return dumpState(*game_, since);
}

}  // namespace cinq::replay
