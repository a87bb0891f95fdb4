#include "replay/script_reader.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>
#include <utility>

namespace cinq::test {

namespace {

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

// The word of a table, or the script's fault.
template <class T, std::size_t N>
T lookUp(const std::pair<std::string_view, T> (&table)[N], std::string_view word,
         const char* what) {
    const auto* found = std::find_if(std::begin(table), std::end(table),
                                     [&](const auto& entry) { return entry.first == word; });
    if (found == std::end(table)) {
        throw ScriptError{std::string("unknown ") + what + " '" + std::string(word) + "'"};
    }
    return found->second;
}

void run(ScriptPlayer& player, std::string_view command, std::string_view rest, std::ostream& out) {
    static constexpr std::pair<std::string_view, Opponent> kOpponents[] = {
        {"ordinateur", Opponent::Computer}, {"autres", Opponent::Human}};
    static constexpr std::pair<std::string_view, LevelOption> kLevels[] = {
        {"initiation", LevelOption::Initiation},
        {"1", LevelOption::Level1},
        {"2", LevelOption::Level2},
        {"3", LevelOption::Level3}};
    static constexpr std::pair<std::string_view, Answer> kAnswers[] = {
        {"ok", Answer::Ok}, {"oui", Answer::Yes}, {"non", Answer::No}};
    static constexpr std::pair<std::string_view, WindowState> kStates[] = {
        {"maximised", WindowState::Maximised},
        {"minimised", WindowState::Minimised},
        {"normal", WindowState::Normal}};
    static constexpr std::pair<std::string_view, Key> kKeys[] = {
        {"left", Key::Left}, {"right", Key::Right}, {"up", Key::Up},
        {"down", Key::Down}, {"enter", Key::Enter}, {"other", Key::Other}};
    static constexpr std::pair<std::string_view, MenuCommand> kMenu[] = {
        {"nouvelle", MenuCommand::NewSheet},
        {"changer", MenuCommand::ChangeLevel},
        {"statistique", MenuCommand::Statistics},
        {"quitter", MenuCommand::Quit},
        {"apropos", MenuCommand::Help}};

    if (command == "opponent") {
        player.chooseOpponent(lookUp(kOpponents, exactly(rest, 1, command)[0], "opponent"));
    } else if (command == "level") {
        player.chooseLevel(lookUp(kLevels, exactly(rest, 1, command)[0], "level"));
    } else if (command == "name") {
        const std::size_t space = rest.find(' ');
        const std::string_view box = rest.substr(0, space);
        if (box != "1" && box != "2") {
            throw ScriptError{"name takes a box, 1 or 2, then the text"};
        }
        player.typeName(box == "1" ? 0 : 1, space == std::string_view::npos
                                                ? std::string_view{}
                                                : rest.substr(space + 1));
    } else if (command == "rolls") {
        std::vector<int> rolls;
        for (const std::string_view w : words(rest)) {
            rolls.push_back(number(w, 1, 6));
        }
        if (rolls.empty()) {
            throw ScriptError{"rolls takes at least one number"};
        }
        player.setRolls(std::move(rolls));
    } else if (command == "answer") {
        const auto w = words(rest);
        if (w.empty()) {
            throw ScriptError{"answer takes at least one answer"};
        }
        std::vector<Answer> answers;
        for (const std::string_view a : w) {
            answers.push_back(lookUp(kAnswers, a, "answer"));
        }
        for (const Answer a : answers) {
            player.queueAnswer(a);
        }
    } else if (command == "start") {
        exactly(rest, 0, command);
        player.start();
    } else if (command == "size") {
        // The events from here on need the main window: once their arguments are read, "start"
        // runs first.
        const auto w = exactly(rest, 2, command);
        const int width = number(w[0], 0, 1'000'000);
        const int height = number(w[1], 0, 1'000'000);
        player.start();
        player.resize(width, height);
    } else if (command == "window") {
        const WindowState state = lookUp(kStates, exactly(rest, 1, command)[0], "window state");
        player.start();
        player.setWindowState(state);
    } else if (command == "click") {
        const int cell = number(exactly(rest, 1, command)[0], 0, kSlotCount - 1);
        player.start();
        player.click(cell);
    } else if (command == "key") {
        const Key key = lookUp(kKeys, exactly(rest, 1, command)[0], "key");
        player.start();
        player.press(key);
    } else if (command == "menu") {
        const auto w = words(rest);
        const bool closeBox = w.size() == 2 && w[0] == "changer" && w[1] == "close";
        if (w.empty() || (w.size() != 1 && !closeBox)) {
            throw ScriptError{"menu takes one command"};
        }
        const MenuCommand item = lookUp(kMenu, w[0], "menu command");
        player.start();
        player.menu(item, closeBox);
    } else if (command == "close") {
        exactly(rest, 0, command);
        player.start();
        player.closeWindow();
    } else if (command == "dump") {
        exactly(rest, 0, command);
        player.start();
        out << player.dump();
    } else {
        throw ScriptError{"unknown command '" + std::string(command) + "'"};
    }
}

}  // namespace

ScriptStatus runScriptLine(ScriptPlayer& player, std::string_view line, int lineNumber,
                           std::ostream& out) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == '#') {
        return ScriptStatus::Running;
    }
    // The command is the first word; the rest of the line is its argument text as written.
    std::string_view rest = line.substr(line.find_first_not_of(" \t"));
    const std::size_t end = rest.find_first_of(" \t");
    const std::string_view command = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    try {
        run(player, command, rest, out);
    } catch (const ScriptError& error) {
        out << "error " << lineNumber << ": " << error.reason << '\n';
        return ScriptStatus::Error;
    }
    if (player.ended()) {
        out << "ended\n";
        return ScriptStatus::Ended;
    }
    return ScriptStatus::Running;
}

ScriptStatus runScriptLines(ScriptPlayer& player, std::istream& in, std::ostream& out) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        const ScriptStatus status = runScriptLine(player, line, ++lineNumber, out);
        if (status != ScriptStatus::Running) {
            return status;
        }
    }
    return ScriptStatus::Running;
}

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

}  // namespace cinq::test
