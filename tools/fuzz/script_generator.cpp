#include "fuzz/script_generator.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace cinq::fuzz {

namespace {

// The colour of the point that a move would place now, if any: in play against the computer
// only player 1's green point (with the disc red, a click only makes the computer move).
std::optional<PointColour> moverColour(const Game& game) {
    const PointColour turn = game.state().turn;
    if (game.options().opponent() == Opponent::Computer) {
        return turn == PointColour::Green ? std::optional(PointColour::Green) : std::nullopt;
    }
    return turn;
}

PointColour other(PointColour colour) {
    return colour == PointColour::Green ? PointColour::Red : PointColour::Green;
}

// The longest line of `colour` through `cell` if a point of that colour stood there.
int runThrough(const Board& board, int cell, PointColour colour) {
    int longest = 0;
    for (const int d : kDirections) {
        int n = 1;
        for (int j = cell + d; board.matches(j, colour); j += d) {
            ++n;
        }
        for (int j = cell - d; board.matches(j, colour); j -= d) {
            ++n;
        }
        longest = std::max(longest, n);
    }
    return longest;
}

template <class Predicate>
std::vector<int> cellsOfLargestSheet(const Board& board, Predicate keep) {
    std::vector<int> cells;
    for (int i = kFirstSheetCell; i <= kLastSheetCell; ++i) {
        if (inLargestSheet(i) && keep(board.at(i))) {
            cells.push_back(i);
        }
    }
    return cells;
}

bool isFreeAndPlayable(const Slot& s) {
    return s.playable && !s.hasPoint;
}

// Widths and heights at the edges of the resize rule's bands, and just outside them.
constexpr std::array<int, 29> kEdgeWidths{8729,  8730,  8999,  9000,  9075,  9076,  9084,  9085,
                                          9435,  9436,  9444,  9445,  9795,  9805,  10155, 10165,
                                          10515, 10525, 10875, 10876, 10894, 10895, 11235, 11245,
                                          11595, 11605, 11945, 11955, 12120};
constexpr std::array<int, 16> kEdgeHeights{6539, 6540, 6541, 6899, 6900, 7259, 7260, 7619,
                                           7620, 7979, 7980, 8339, 8340, 8699, 8700, 8701};

constexpr std::array<std::string_view, 6> kPlainNames{
    "Alice", "Joueur 1", "Ordinateur", "Bob le Bricoleur", "  espaces  ", "x"};
constexpr std::array<std::string_view, 6> kAccentedNames{
    "Éloïse", "Gaëlle Müller", "François", "Ærøskøbing", "Ñandú", "çà et là ÿ"};
constexpr std::array<std::string_view, 6> kEmojiNames{"😀",  "🎲🎲",          "👩‍💻",
                                                      "🇫🇷", "👍🏽 ok", "日本語の名前"};
constexpr std::array<std::string_view, 7> kMarkupNames{
    "<b>x</b>", "<i>Alice</i>",   "&amp;&lt;&gt;", "<img src=x>", "<a href='#'>lien</a>",
    "<br>",     "<table><tr><td>"};
constexpr std::array<std::string_view, 5> kQuotedNames{R"("Le\Roi")", "l'As", "%s %n %d", "{0} {}",
                                                       "\\\\"};

template <std::size_t N>
std::string_view pick(Choices& choices, const std::array<std::string_view, N>& items) {
    return items[choices.below(static_cast<std::uint32_t>(N))];
}

// One character of any kind but a newline, which would end the script line.
std::string anyCharacter(Choices& choices) {
    switch (choices.below(6)) {
        case 0: {
            // A control character: 1 to 31 but the newline, or DEL.
            const int c = choices.between(1, 32);
            return std::string(1, static_cast<char>(c == 10 ? 9 : c == 32 ? 127 : c));
        }
        case 1: return std::string(pick(choices, kAccentedNames).substr(0, 2));
        case 2: return "😀";
        case 3: return std::string(1, "<>&\"'\\/"[choices.below(7)]);
        default: return std::string(1, static_cast<char>('a' + choices.below(26)));
    }
}

}  // namespace

std::optional<Side> winnerOfMove(const Game& game, int cell) {
    const Board& board = game.board();
    if (!board.isPlayable(cell) || board.refusesMove(cell)) {
        return std::nullopt;
    }
    const std::optional<PointColour> colour = moverColour(game);
    if (!colour || runThrough(board, cell, *colour) < 5) {
        return std::nullopt;
    }
    return *colour == PointColour::Green ? Side::Player1 : Side::Player2;
}

enum class ScriptGenerator::Kind {
    ClickAttack,
    ClickBlock,
    ClickNear,
    ClickFree,
    ClickTaken,
    ClickAnywhere,
    SightWalk,
    Arrow,
    Enter,
    OtherKey,
    MenuNewSheet,
    MenuChange,
    MenuChangeClose,
    MenuStatistics,
    MenuHelp,
    Option,
    Name,
    Size,
    Window,
    Rolls,
    Dump,
    Leave,
    TakeBack,
    Hint,
};

namespace {

struct Weighted {
    int weight;  // in ten-thousandths
    int kind;
};

}  // namespace

ScriptGenerator::Kind ScriptGenerator::chooseKind() {
    // Most events are moves, so that games end; the rest covers every other command. Leaving
    // the program is rare: a run is mostly long sessions with whole matches.
    static constexpr std::array<std::pair<int, Kind>, 24> kWeights{{
        {2300, Kind::ClickAttack},
        {700, Kind::ClickBlock},
        {1300, Kind::ClickNear},
        {700, Kind::ClickFree},
        {250, Kind::ClickTaken},
        {350, Kind::ClickAnywhere},
        {60, Kind::SightWalk},
        {400, Kind::Arrow},
        {150, Kind::Enter},
        {50, Kind::OtherKey},
        {120, Kind::MenuNewSheet},
        {80, Kind::MenuChange},
        {30, Kind::MenuChangeClose},
        {40, Kind::MenuStatistics},
        {40, Kind::MenuHelp},
        {270, Kind::Option},
        {100, Kind::Name},
        {300, Kind::Size},
        {140, Kind::Window},
        {100, Kind::Rolls},
        {50, Kind::Dump},
        {2, Kind::Leave},
        {250, Kind::TakeBack},
        {25, Kind::Hint},
    }};
    int total = 0;
    for (const auto& [weight, kind] : kWeights) {
        total += weight;
    }
    int r = static_cast<int>(choices_.below(static_cast<std::uint32_t>(total)));
    for (const auto& [weight, kind] : kWeights) {
        if (r < weight) {
            return kind;
        }
        r -= weight;
    }
    return Kind::ClickAttack;
}

std::vector<std::string> ScriptGenerator::prelude() {
    std::vector<std::string> lines;
    const int count = choices_.between(0, 4);
    for (int k = 0; k < count; ++k) {
        switch (choices_.below(3)) {
            case 0: lines.push_back(optionLine()); break;
            case 1: lines.push_back(nameLine()); break;
            default: lines.push_back(rollsLine()); break;
        }
    }
    // Now and then the first event opens the window by itself.
    if (!choices_.chance(100)) {
        lines.emplace_back("start");
    }
    return lines;
}

Event ScriptGenerator::next(const Game& game) {
    if (sightTarget_ && choices_.chance(850)) {
        return sightStep(game);
    }
    Kind kind = chooseKind();
    if (kind == Kind::SightWalk && sightTarget_) {
        kind = Kind::Arrow;
    }
    switch (kind) {
        case Kind::ClickAttack: return click(game, attackCell(game, false));
        case Kind::ClickBlock: return click(game, attackCell(game, true));
        case Kind::ClickNear: return click(game, nearCell(game));
        case Kind::ClickFree: return click(game, freeCell(game));
        case Kind::ClickTaken: return click(game, takenCell(game));
        case Kind::ClickAnywhere: return click(game, static_cast<int>(choices_.below(kSlotCount)));
        case Kind::SightWalk:
            sightTarget_ = choices_.chance(500) ? attackCell(game, false) : freeCell(game);
            sightSteps_ = 0;
            return sightStep(game);
        case Kind::Arrow: {
            static constexpr std::array<const char*, 4> kArrows{"key left", "key right", "key up",
                                                                "key down"};
            return {{kArrows[choices_.below(4)]}};
        }
        case Kind::Enter: return enter(game);
        case Kind::OtherKey: return {{"key other"}};
        case Kind::MenuNewSheet: return menuNewSheet(game);
        case Kind::MenuChange: return {{"menu changer"}};
        case Kind::MenuChangeClose: return {{"menu changer close"}};
        case Kind::MenuStatistics: return {{"menu statistique"}};
        case Kind::MenuHelp: return {{"menu apropos"}};
        case Kind::Option: return {{optionLine()}};
        case Kind::Name: return {{nameLine()}};
        case Kind::Size: return {{sizeLine()}};
        case Kind::Window: {
            static constexpr std::array<const char*, 3> kStates{
                "window maximised", "window minimised", "window normal"};
            return {{kStates[choices_.below(3)]}};
        }
        case Kind::Rolls: return {{rollsLine()}};
        case Kind::Dump: return {{"dump"}};
        case Kind::TakeBack: return {{"undo"}};
        case Kind::Hint: return {{"hint"}};
        case Kind::Leave: {
            Event event{{choices_.chance(500) ? "menu quitter" : "close"}};
            event.ending = true;
            return event;
        }
    }
    return {{"dump"}};
}

void ScriptGenerator::queueMoveAnswers(const Game& game, int cell, Event& event) {
    const Board& board = game.board();
    if (!board.isPlayable(cell)) {
        return;  // the click target is hidden: nothing happens
    }
    if (board.refusesMove(cell)) {
        event.lines.insert(event.lines.begin(), "answer ok");
        return;
    }
    event.expectedWinner = winnerOfMove(game, cell);
    if (!event.expectedWinner) {
        return;
    }
    const GameState& s = game.state();
    const bool player1 = *event.expectedWinner == Side::Player1;
    const bool endsMatch = (player1 ? s.gamesPlayer1 : s.gamesPlayer2) == 4 &&
                           (player1 ? s.setsPlayer1 : s.setsPlayer2) == 2;
    if (endsMatch) {
        // The match message, then "Voulez vous rejouer".
        event.ending = choices_.chance(60);
        event.lines.insert(event.lines.begin(), event.ending ? "answer ok non" : "answer ok oui");
    }
}

Event ScriptGenerator::click(const Game& game, int cell) {
    Event event{{"click " + std::to_string(cell)}};
    queueMoveAnswers(game, cell, event);
    return event;
}

Event ScriptGenerator::enter(const Game& game) {
    Event event{{"key enter"}};
    const int sight = game.state().sightIndex;
    if (isSlot(sight) && !game.board().isOffSheet(sight)) {
        // On a closed intersection the click target is hidden but Enter still asks the game,
        // which refuses the move.
        if (game.board().isClosed(sight)) {
            event.lines.insert(event.lines.begin(), "answer ok");
        } else {
            queueMoveAnswers(game, sight, event);
        }
    }
    return event;
}

Event ScriptGenerator::sightStep(const Game& game) {
    const int sight = game.state().sightIndex;
    const int target = *sightTarget_;
    if (sight == target || ++sightSteps_ > 60 || !isGridSlot(sight)) {
        sightTarget_.reset();
        return enter(game);
    }
    const int rows = rowOf(target) - rowOf(sight);
    const int columns = columnOf(target) - columnOf(sight);
    const bool vertical = columns == 0 || (rows != 0 && choices_.chance(500));
    if (vertical) {
        return {{rows < 0 ? "key up" : "key down"}};
    }
    return {{columns < 0 ? "key left" : "key right"}};
}

Event ScriptGenerator::menuNewSheet(const Game& game) {
    Event event{{"menu nouvelle"}};
    const GameState& s = game.state();
    const Board& board = game.board();
    const bool usableCell = !cellsOfLargestSheet(board, isFreeAndPlayable).empty();
    if (s.gameOver || !usableCell || s.noComputerPointYet) {
        return event;  // no game under way: the sheet changes without a question
    }
    if (!choices_.chance(700)) {
        event.lines.insert(event.lines.begin(), "answer non");
        return event;
    }
    // The game given up goes to player 2.
    event.expectedWinner = Side::Player2;
    if (s.gamesPlayer2 == 4 && s.setsPlayer2 == 2) {
        event.ending = choices_.chance(60);
        event.lines.insert(event.lines.begin(),
                           event.ending ? "answer oui ok non" : "answer oui ok oui");
    } else {
        event.lines.insert(event.lines.begin(), "answer oui");
    }
    return event;
}

std::string ScriptGenerator::optionLine() {
    switch (choices_.below(3)) {
        case 0: return choices_.chance(500) ? "opponent ordinateur" : "opponent autres";
        case 1: {
            static constexpr std::array<const char*, 4> kLevels{"initiation", "1", "2", "3"};
            return std::string("level ") + kLevels[choices_.below(4)];
        }
        default: return nameLine();
    }
}

std::string ScriptGenerator::nameLine() {
    return std::string("name ") + (choices_.chance(500) ? "1 " : "2 ") + nameText();
}

std::string ScriptGenerator::nameText() {
    // `length` characters, every `spread`-th one of any kind and the others plain letters.
    const auto text = [this](int length, int spread) {
        std::string out;
        for (int k = 0; k < length; ++k) {
            out += k % spread == 0 ? anyCharacter(choices_) : std::string(1, 'm');
        }
        return out;
    };
    switch (choices_.below(10)) {
        case 0: return "";
        case 1: return std::string(pick(choices_, kPlainNames));
        case 2: return std::string(pick(choices_, kAccentedNames));
        case 3: return std::string(pick(choices_, kEmojiNames));
        case 4: return std::string(pick(choices_, kMarkupNames));
        case 5: return std::string(pick(choices_, kQuotedNames));
        case 6: return text(choices_.between(1, 12), 1);
        case 7: return text(choices_.between(40, 300), 1);
        case 8: return text(longNameLength, 97);  // typed character by character
        default:
            return std::string(pick(choices_, kMarkupNames)) +
                   std::string(pick(choices_, kEmojiNames));
    }
}

std::string ScriptGenerator::sizeLine() {
    const auto dimension = [&](int minimum, int largest, auto edges) {
        switch (choices_.below(6)) {
            case 0: return choices_.between(0, minimum - 1);  // below the smallest window
            case 1:
            case 2:
                return static_cast<int>(
                    edges[choices_.below(static_cast<std::uint32_t>(edges.size()))]);
            case 3: return choices_.between(minimum, largest);
            case 4: return choices_.between(largest + 1, 2 * largest);
            default: return choices_.between(2 * largest, 1'000'000);
        }
    };
    const int width = dimension(kDesignOuterSize.width, kLargestOuterSize.width, kEdgeWidths);
    const int height = dimension(kDesignOuterSize.height, kLargestOuterSize.height, kEdgeHeights);
    return "size " + std::to_string(width) + ' ' + std::to_string(height);
}

std::string ScriptGenerator::rollsLine() {
    std::string line = "rolls";
    const int count = choices_.between(1, 8);
    for (int k = 0; k < count; ++k) {
        line += ' ';
        line += static_cast<char>('1' + choices_.below(6));
    }
    return line;
}

int ScriptGenerator::attackCell(const Game& game, bool forOpponent) {
    const Board& board = game.board();
    std::optional<PointColour> colour = moverColour(game);
    if (!colour) {
        colour = PointColour::Green;  // the disc is red: any free click makes the computer move
    }
    if (forOpponent) {
        colour = other(*colour);
    }
    // The free cell that makes the longest line, ties broken at random with a single choice
    // (a fuzzer's input then spends one or two bytes on it).
    std::vector<int> best;
    int bestScore = -1;
    for (const int cell : cellsOfLargestSheet(board, isFreeAndPlayable)) {
        const int score = runThrough(board, cell, *colour);
        if (score > bestScore) {
            best.clear();
            bestScore = score;
        }
        if (score == bestScore) {
            best.push_back(cell);
        }
    }
    if (best.empty()) {
        return static_cast<int>(choices_.below(kSlotCount));
    }
    return best[choices_.below(static_cast<std::uint32_t>(best.size()))];
}

int ScriptGenerator::nearCell(const Game& game) {
    const std::vector<int> points =
        cellsOfLargestSheet(game.board(), [](const Slot& s) { return s.hasPoint; });
    if (points.empty()) {
        return freeCell(game);
    }
    const int p = points[choices_.below(static_cast<std::uint32_t>(points.size()))];
    const int cell = p + kColumns * choices_.between(-2, 2) + choices_.between(-2, 2);
    return isSlot(cell) ? cell : p;
}

int ScriptGenerator::takenCell(const Game& game) {
    const std::vector<int> cells =
        cellsOfLargestSheet(game.board(), [](const Slot& s) { return s.hasPoint || s.closed; });
    if (cells.empty()) {
        return static_cast<int>(choices_.below(kSlotCount));
    }
    return cells[choices_.below(static_cast<std::uint32_t>(cells.size()))];
}

int ScriptGenerator::freeCell(const Game& game) {
    const std::vector<int> cells = cellsOfLargestSheet(game.board(), isFreeAndPlayable);
    if (cells.empty()) {
        return static_cast<int>(choices_.below(kSlotCount));
    }
    return cells[choices_.below(static_cast<std::uint32_t>(cells.size()))];
}

}  // namespace cinq::fuzz
