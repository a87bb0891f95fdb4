#include "replay/script_reader.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>
#include <utility>

namespace cinq::replay {

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
T lookUp(const std::array<std::pair<std::string_view, T>, N>& table, std::string_view word,
         const char* what) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const auto& entry) { return entry.first == word; });
    if (found == table.end()) {
        throw ScriptError{std::string("unknown ") + what + " '" + std::string(word) + "'"};
    }
    return found->second;
}

constexpr std::array<std::pair<std::string_view, Opponent>, 2> kOpponents{
    {{"ordinateur", Opponent::Computer}, {"autres", Opponent::Human}}};
constexpr std::array<std::pair<std::string_view, LevelOption>, 4> kLevels{
    {{"initiation", LevelOption::Initiation},
     {"1", LevelOption::Level1},
     {"2", LevelOption::Level2},
     {"3", LevelOption::Level3}}};
constexpr std::array<std::pair<std::string_view, Answer>, 3> kAnswers{
    {{"ok", Answer::Ok}, {"oui", Answer::Yes}, {"non", Answer::No}}};
constexpr std::array<std::pair<std::string_view, WindowState>, 3> kStates{
    {{"maximised", WindowState::Maximised},
     {"minimised", WindowState::Minimised},
     {"normal", WindowState::Normal}}};
constexpr std::array<std::pair<std::string_view, Key>, 6> kKeys{{{"left", Key::Left},
                                                                 {"right", Key::Right},
                                                                 {"up", Key::Up},
                                                                 {"down", Key::Down},
                                                                 {"enter", Key::Enter},
                                                                 {"other", Key::Other}}};
constexpr std::array<std::pair<std::string_view, MenuCommand>, 5> kMenu{
    {{"nouvelle", MenuCommand::NewSheet},
     {"changer", MenuCommand::ChangeLevel},
     {"statistique", MenuCommand::Statistics},
     {"quitter", MenuCommand::Quit},
     {"apropos", MenuCommand::Help}}};

// The event of a command and the rest of its line, as written.
ScriptEvent read(std::string_view command, std::string_view rest) {
    if (command == "opponent") {
        return event::ChooseOpponent{lookUp(kOpponents, exactly(rest, 1, command)[0], "opponent")};
    }
    if (command == "level") {
        return event::ChooseLevel{lookUp(kLevels, exactly(rest, 1, command)[0], "level")};
    }
    if (command == "name") {
        const std::size_t space = rest.find(' ');
        const std::string_view box = rest.substr(0, space);
        if (box != "1" && box != "2") {
            throw ScriptError{"name takes a box, 1 or 2, then the text"};
        }
        return event::TypeName{box == "1" ? 0 : 1, std::string(space == std::string_view::npos
                                                                   ? std::string_view{}
                                                                   : rest.substr(space + 1))};
    }
    if (command == "rolls") {
        event::SetRolls rolls;
        for (const std::string_view w : words(rest)) {
            rolls.rolls.push_back(number(w, 1, 6));
        }
        if (rolls.rolls.empty()) {
            throw ScriptError{"rolls takes at least one number"};
        }
        return rolls;
    }
    if (command == "answer") {
        const auto w = words(rest);
        if (w.empty()) {
            throw ScriptError{"answer takes at least one answer"};
        }
        event::QueueAnswers answers;
        for (const std::string_view a : w) {
            answers.answers.push_back(lookUp(kAnswers, a, "answer"));
        }
        return answers;
    }
    if (command == "start") {
        exactly(rest, 0, command);
        return event::Start{};
    }
    if (command == "size") {
        const auto w = exactly(rest, 2, command);
        return event::Resize{number(w[0], 0, 1'000'000), number(w[1], 0, 1'000'000)};
    }
    if (command == "window") {
        return event::SetWindowState{lookUp(kStates, exactly(rest, 1, command)[0], "window state")};
    }
    if (command == "click") {
        return event::Click{number(exactly(rest, 1, command)[0], 0, kSlotCount - 1)};
    }
    if (command == "key") {
        return event::Press{lookUp(kKeys, exactly(rest, 1, command)[0], "key")};
    }
    if (command == "menu") {
        const auto w = words(rest);
        const bool closeBox = w.size() == 2 && w[0] == "changer" && w[1] == "close";
        if (w.empty() || (w.size() != 1 && !closeBox)) {
            throw ScriptError{"menu takes one command"};
        }
        return event::ChooseMenu{lookUp(kMenu, w[0], "menu command"), closeBox};
    }
    if (command == "close") {
        exactly(rest, 0, command);
        return event::CloseWindow{};
    }
    if (command == "undo") {
        exactly(rest, 0, command);
        return event::TakeBack{};
    }
    if (command == "hint") {
        exactly(rest, 0, command);
        return event::Hint{};
    }
    if (command == "dump") {
        exactly(rest, 0, command);
        return event::Dump{};
    }
    if (command == "rolls-drawn") {
        exactly(rest, 0, command);
        return event::CountRolls{};
    }
    throw ScriptError{"unknown command '" + std::string(command) + "'"};
}

// Calls the lambda that takes the event's type.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

std::optional<ScriptEvent> readScriptLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == '#') {
        return std::nullopt;
    }
    // The command is the first word; the rest of the line is its argument text as written.
    std::string_view rest = line.substr(line.find_first_not_of(" \t"));
    const std::size_t end = rest.find_first_of(" \t");
    const std::string_view command = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return read(command, rest);
}

bool needsMainWindow(const ScriptEvent& event) {
    return !std::holds_alternative<event::ChooseOpponent>(event) &&
           !std::holds_alternative<event::ChooseLevel>(event) &&
           !std::holds_alternative<event::TypeName>(event) &&
           !std::holds_alternative<event::SetRolls>(event) &&
           !std::holds_alternative<event::QueueAnswers>(event) &&
           !std::holds_alternative<event::CountRolls>(event);
}

void play(ScriptPlayer& player, const ScriptEvent& event, std::ostream& out) {
    if (needsMainWindow(event)) {
        player.start();
    }
    std::visit(
        Overloaded{
            [&](const event::ChooseOpponent& e) { player.chooseOpponent(e.opponent); },
            [&](const event::ChooseLevel& e) { player.chooseLevel(e.level); },
            [&](const event::TypeName& e) { player.typeName(e.box, e.text); },
            [&](const event::SetRolls& e) { player.setRolls(e.rolls); },
            [&](const event::QueueAnswers& e) {
                for (const Answer a : e.answers) {
                    player.queueAnswer(a);
                }
            },
            [](const event::Start&) {},
            [&](const event::Resize& e) { player.resize(e.width, e.height); },
            [&](const event::SetWindowState& e) { player.setWindowState(e.state); },
            [&](const event::Click& e) { player.click(e.cell); },
            [&](const event::Press& e) { player.press(e.key); },
            [&](const event::ChooseMenu& e) { player.menu(e.command, e.closeBox); },
            [&](const event::CloseWindow&) { player.closeWindow(); },
            [&](const event::TakeBack&) { player.takeBack(); },
            [&](const event::Hint&) {
                const int cell = player.hint();
                out << "hint " << (cell >= 0 ? std::to_string(cell) : std::string("none")) << '\n';
            },
            [&](const event::Dump&) { out << player.dump(); },
            [&](const event::CountRolls&) { out << "rolls-drawn " << player.rollsDrawn() << '\n'; },
        },
        event);
}

ScriptStatus runScriptLine(ScriptPlayer& player, std::string_view line, int lineNumber,
                           std::ostream& out) {
    try {
        if (const std::optional<ScriptEvent> event = readScriptLine(line)) {
            play(player, *event, out);
        } else {
            return ScriptStatus::Running;
        }
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

}  // namespace cinq::replay
