#include "replay/replay_session.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

#include "support/state_dump.h"

namespace cinq::test {

namespace {

// A maximised window reaches the screen's size, larger than the largest window: the resize
// rule then brings it back to the normal state at the largest size.
constexpr OuterSize kScreenSize{19200, 15360};

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    s = trim(s);
    while (!s.empty()) {
        const std::size_t end = s.find_first_of(" \t");
        out.push_back(s.substr(0, end));
        s = end == std::string_view::npos ? std::string_view{} : trim(s.substr(end));
    }
    return out;
}

int number(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
        throw ScriptError{"bad number '" + std::string(word) + "' (expected " +
                          std::to_string(low) + " to " + std::to_string(high) + ")"};
    }
    return value;
}

std::vector<std::string_view> exactly(std::string_view rest, std::size_t count,
                                      std::string_view command) {
    auto w = words(rest);
    if (w.size() != count) {
        throw ScriptError{std::string(command) + " takes " + std::to_string(count) +
                          " argument(s)"};
    }
    return w;
}

// Splits UTF-8 text into its characters.
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) == 0x80U && !out.empty()) {
            out.back() += c;
        } else {
            out.emplace_back(1, c);
        }
    }
    return out;
}

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
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        const Status status = runLine(line, ++lineNumber);
        if (status != Status::Running) {
            return status;
        }
    }
    return Status::Running;
}

ReplaySession::Status ReplaySession::runLine(std::string_view line, int lineNumber) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == '#') {
        return Status::Running;
    }
    // The command is the first word; the rest of the line is its argument text as written.
    std::string_view rest = line.substr(line.find_first_not_of(" \t"));
    const std::size_t end = rest.find_first_of(" \t");
    const std::string_view command = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    try {
        run(command, rest);
    } catch (const ScriptError& error) {
        out_ << "error " << lineNumber << ": " << error.reason << '\n';
        return Status::Error;
    }
    if (game_ && game_->ended()) {
        out_ << "ended\n";
        return Status::Ended;
    }
    return Status::Running;
}

void ReplaySession::start() {
    if (game_) {
        return;
    }
    host_.size = kDesignOuterSize;
    host_.state = WindowState::Normal;
    game_.emplace(host_, options_, statistics_);
    computer_.emplace(*game_, die_);
    game_->setComputer(&*computer_);
}

void ReplaySession::startIfNeeded() {
    start();
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

void ReplaySession::setSize(int width, int height) {
    host_.size = {std::max(width, kDesignOuterSize.width),
                  std::max(height, kDesignOuterSize.height)};
    host_.state = WindowState::Normal;
    game_->windowResized();
}

void ReplaySession::setWindowState(std::string_view state) {
    if (state == "maximised") {
        host_.state = WindowState::Maximised;
        host_.size = kScreenSize;
        game_->windowResized();
    } else if (state == "minimised") {
        host_.state = WindowState::Minimised;
        game_->windowResized();
    } else if (state == "normal") {
        if (host_.state == WindowState::Minimised) {
            host_.state = WindowState::Normal;
            game_->windowResized();
        }
    } else {
        throw ScriptError{"unknown window state '" + std::string(state) + "'"};
    }
}

void ReplaySession::run(std::string_view command, std::string_view rest) {
    if (command == "opponent") {
        const auto w = exactly(rest, 1, command);
        if (w[0] == "ordinateur") {
            options_.chooseOpponent(Opponent::Computer);
        } else if (w[0] == "autres") {
            options_.chooseOpponent(Opponent::Human);
        } else {
            throw ScriptError{"unknown opponent '" + std::string(w[0]) + "'"};
        }
    } else if (command == "level") {
        const auto w = exactly(rest, 1, command);
        static constexpr std::pair<std::string_view, LevelOption> kLevels[] = {
            {"initiation", LevelOption::Initiation},
            {"1", LevelOption::Level1},
            {"2", LevelOption::Level2},
            {"3", LevelOption::Level3}};
        const auto* found = std::find_if(std::begin(kLevels), std::end(kLevels),
                                         [&](const auto& level) { return level.first == w[0]; });
        if (found == std::end(kLevels)) {
            throw ScriptError{"unknown level '" + std::string(w[0]) + "'"};
        }
        options_.chooseLevel(found->second);
    } else if (command == "name") {
        const std::size_t space = rest.find(' ');
        const std::string_view box = rest.substr(0, space);
        if (box != "1" && box != "2") {
            throw ScriptError{"name takes a box, 1 or 2, then the text"};
        }
        typeName(box == "1" ? 0 : 1,
                 space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1));
    } else if (command == "rolls") {
        std::vector<int> rolls;
        for (const std::string_view w : words(rest)) {
            rolls.push_back(number(w, 1, 6));
        }
        if (rolls.empty()) {
            throw ScriptError{"rolls takes at least one number"};
        }
        die_.setRolls(std::move(rolls));
    } else if (command == "answer") {
        const auto w = words(rest);
        if (w.empty()) {
            throw ScriptError{"answer takes at least one answer"};
        }
        for (const std::string_view a : w) {
            if (a == "ok") {
                host_.answers.push_back(Answer::Ok);
            } else if (a == "oui") {
                host_.answers.push_back(Answer::Yes);
            } else if (a == "non") {
                host_.answers.push_back(Answer::No);
            } else {
                throw ScriptError{"unknown answer '" + std::string(a) + "'"};
            }
        }
    } else if (command == "start") {
        exactly(rest, 0, command);
        start();
    } else if (command == "size") {
        const auto w = exactly(rest, 2, command);
        const int width = number(w[0], 0, 1'000'000);
        const int height = number(w[1], 0, 1'000'000);
        startIfNeeded();
        setSize(width, height);
    } else if (command == "window") {
        const auto w = exactly(rest, 1, command);
        if (w[0] != "maximised" && w[0] != "minimised" && w[0] != "normal") {
            throw ScriptError{"unknown window state '" + std::string(w[0]) + "'"};
        }
        startIfNeeded();
        setWindowState(w[0]);
    } else if (command == "click") {
        const auto w = exactly(rest, 1, command);
        const int cell = number(w[0], 0, kSlotCount - 1);
        startIfNeeded();
        game_->click(cell);
    } else if (command == "key") {
        const auto w = exactly(rest, 1, command);
        static constexpr std::pair<std::string_view, Key> kKeys[] = {
            {"left", Key::Left}, {"right", Key::Right}, {"up", Key::Up},
            {"down", Key::Down}, {"enter", Key::Enter}, {"other", Key::Other}};
        const auto* found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                         [&](const auto& key) { return key.first == w[0]; });
        if (found == std::end(kKeys)) {
            throw ScriptError{"unknown key '" + std::string(w[0]) + "'"};
        }
        startIfNeeded();
        game_->keyDown(found->second);
    } else if (command == "menu") {
        const auto w = words(rest);
        const bool closeBox = w.size() == 2 && w[0] == "changer" && w[1] == "close";
        if (w.empty() || (w.size() != 1 && !closeBox)) {
            throw ScriptError{"menu takes one command"};
        }
        static constexpr std::pair<std::string_view, void (Game::*)()> kMenu[] = {
            {"nouvelle", &Game::menuNewSheet},
            {"changer", &Game::menuChangeLevel},
            {"statistique", &Game::menuStatistics},
            {"quitter", &Game::menuQuit},
            {"apropos", &Game::menuHelp}};
        const auto* found = std::find_if(std::begin(kMenu), std::end(kMenu),
                                         [&](const auto& item) { return item.first == w[0]; });
        if (found == std::end(kMenu)) {
            throw ScriptError{"unknown menu command '" + std::string(w[0]) + "'"};
        }
        startIfNeeded();
        host_.closeOptionsWithCloseBox = closeBox;
        (*game_.*(found->second))();
    } else if (command == "close") {
        exactly(rest, 0, command);
        startIfNeeded();
        game_->closeWindow();
    } else if (command == "dump") {
        exactly(rest, 0, command);
        startIfNeeded();
        const std::vector<Shown> since(host_.shown.begin() + static_cast<long>(shownAtLastDump_),
                                       host_.shown.end());
        shownAtLastDump_ = host_.shown.size();
        out_ << dumpState(*game_, since);
    } else {
        throw ScriptError{"unknown command '" + std::string(command) + "'"};
    }
}

}  // namespace cinq::test
