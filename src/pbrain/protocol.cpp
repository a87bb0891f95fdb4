#include "pbrain/protocol.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

namespace pbrain {
namespace {

constexpr int kMinSide = 5;

std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<long long> number(std::string_view text) {
    text = trim(text);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return {};
    return value;
}

// "a,b" or "a,b,c": the numbers, or nothing when the text is anything else.
std::optional<std::vector<int>> numbers(std::string_view text, std::size_t count) {
    std::vector<int> values;
    while (values.size() < count) {
        const auto comma = text.find(',');
        const bool last = values.size() + 1 == count;
        if (last != (comma == std::string_view::npos))
            return {};
        const auto value = number(text.substr(0, comma));
        if (!value || *value < -1000000 || *value > 1000000)
            return {};
        values.push_back(static_cast<int>(*value));
        if (!last)
            text.remove_prefix(comma + 1);
    }
    return values;
}

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

}  // namespace

Protocol::Protocol(Player& player, std::ostream& out, std::string about)
    : player_(player), out_(out), about_(std::move(about)) {}

bool Protocol::handle(std::string_view line) {
    line = trim(line);
    if (mode_ != Mode::Command) {
        if (upper(line) == "DONE") {
            const Mode ended = mode_;
            mode_ = Mode::Command;
            if (ended == Mode::BoardLines) {
                finishBoard();
            } else {
                finishBlock(ended == Mode::Block);
            }
            return true;
        }
        const auto values = numbers(line, mode_ == Mode::BoardLines ? 3 : 2);
        if (!values) {
            if (pendingError_.empty())
                pendingError_ = "malformed line in the list";
        } else {
            pending_.push_back(
                {{(*values)[0], (*values)[1]}, mode_ == Mode::BoardLines ? (*values)[2] : 3});
        }
        return true;
    }
    if (line.empty())
        return true;
    const auto space = line.find_first_of(" \t");
    const std::string name = upper(line.substr(0, space));
    const std::string_view rest = space == std::string_view::npos ? "" : trim(line.substr(space));
    if (name == "END")
        return false;
    command(name, rest);
    out_.flush();
    return true;
}

void Protocol::command(std::string_view name, std::string_view rest) {
    const bool started = board_.width > 0;
    if (name == "START" || name == "RECTSTART") {
        const auto values = name == "START" ? std::optional<std::vector<int>>{} : numbers(rest, 2);
        const auto side = name == "START" ? number(rest) : std::optional<long long>{};
        if ((name == "START" && !side) || (name == "RECTSTART" && !values)) {
            out_ << "ERROR malformed size\n";
            return;
        }
        const long long w = side ? *side : (*values)[0];
        const long long h = side ? *side : (*values)[1];
        if (w < kMinSide || h < kMinSide || w > engine::kMaxSide || h > engine::kMaxSide) {
            out_ << "ERROR unsupported board size: sides from " << kMinSide << " to "
                 << engine::kMaxSide << "\n";
            return;
        }
        start(static_cast<int>(w), static_cast<int>(h));
    } else if (name == "RESTART") {
        if (!started) {
            out_ << "ERROR no board: START first\n";
            return;
        }
        start(board_.width, board_.height);
    } else if (name == "BEGIN") {
        if (!started) {
            out_ << "ERROR no board: START first\n";
            return;
        }
        answerMove();
    } else if (name == "TURN") {
        const auto values = numbers(rest, 2);
        if (!started) {
            out_ << "ERROR no board: START first\n";
        } else if (!values) {
            out_ << "ERROR malformed move\n";
        } else if (!board_.contains((*values)[0], (*values)[1])) {
            out_ << "ERROR move off the board\n";
        } else if (board_.at((*values)[0], (*values)[1]) != Board::Empty) {
            out_ << "ERROR the cell is taken\n";
        } else {
            board_.set((*values)[0], (*values)[1], Board::Opponent);
            board_.moves.emplace_back((*values)[0], (*values)[1]);
            answerMove();
        }
    } else if (name == "BOARD" || name == "YXBLOCK" || name == "YXBLOCKUNDO") {
        mode_ =
            name == "BOARD" ? Mode::BoardLines : (name == "YXBLOCK" ? Mode::Block : Mode::Unblock);
        pending_.clear();
        pendingError_.clear();
        if (!started && mode_ == Mode::BoardLines)
            pendingError_ = "no board: START first";
    } else if (name == "YXBLOCKRESET") {
        walls_.clear();
        applyWalls();
    } else if (name == "TAKEBACK") {
        const auto values = numbers(rest, 2);
        if (!values) {
            out_ << "ERROR malformed move\n";
        } else if (board_.moves.empty() ||
                   board_.moves.back() != std::pair{(*values)[0], (*values)[1]}) {
            out_ << "ERROR only the last stone can be taken back\n";
        } else {
            board_.set((*values)[0], (*values)[1], Board::Empty);
            board_.moves.pop_back();
            out_ << "OK\n";
        }
    } else if (name == "INFO") {
        info(rest);
    } else if (name == "ABOUT") {
        out_ << about_ << "\n";
    } else {
        out_ << "UNKNOWN " << name << "\n";
    }
}

void Protocol::start(int width, int height) {
    if (const std::string why = player_.refuseSize(width, height); !why.empty()) {
        out_ << "ERROR " << why << "\n";
        return;
    }
    board_.reset(width, height);
    applyWalls();
    player_.newGame();
    out_ << "OK\n";
}

void Protocol::applyWalls() {
    if (board_.width == 0)
        return;
    for (auto& cell : board_.cells) {
        if (cell == Board::Wall)
            cell = Board::Empty;
    }
    for (const auto& [x, y] : walls_) {
        if (board_.contains(x, y) && board_.at(x, y) == Board::Empty)
            board_.set(x, y, Board::Wall);
    }
}

void Protocol::info(std::string_view rest) {
    const auto space = rest.find_first_of(" \t");
    const std::string key = upper(rest.substr(0, space));
    const auto value =
        space == std::string_view::npos ? std::optional<long long>{} : number(rest.substr(space));
    if (!value)
        return;
    if (key == "TIMEOUT_TURN") {
        settings_.turnMs = static_cast<int>(std::clamp(*value, 0LL, 1LL << 30));
    } else if (key == "TIMEOUT_MATCH") {
        settings_.matchMs = static_cast<int>(std::clamp(*value, 0LL, 1LL << 30));
    } else if (key == "TIME_LEFT") {
        settings_.leftMs = std::max(*value, 0LL);
    } else if (key == "MAX_MEMORY") {
        settings_.maxMemory = std::max(*value, 0LL);
    } else if (key == "MAX_NODE") {
        settings_.maxNodes = std::max(*value, 0LL);
    } else if (key == "RULE") {
        // Bit 0: exactly five; bit 2: renju, which this engine does not play.
        if ((*value & 4) != 0)
            out_ << "MESSAGE renju is not supported: playing five or more\n";
        settings_.exactFive = (*value & 5) == 1;
    } else {
        return;  // game_type, folder and the rest change nothing here
    }
    player_.configure(settings_);
}

void Protocol::finishBoard() {
    Board next = board_;
    next.reset(board_.width, board_.height);
    for (const auto& [x, y] : walls_) {
        if (next.contains(x, y))
            next.set(x, y, Board::Wall);
    }
    std::string error = pendingError_;
    for (const auto& [point, field] : pending_) {
        if (!error.empty())
            break;
        const auto [x, y] = point;
        if (!next.contains(x, y)) {
            error = "stone off the board";
        } else if (field < 1 || field > 3) {
            error = "unknown stone field (1 own, 2 opponent, 3 wall)";
        } else if (next.at(x, y) != Board::Empty) {
            error = "two stones on one cell";
        } else {
            next.set(x, y, static_cast<Board::Cell>(field));
            if (field != 3)
                next.moves.emplace_back(x, y);
        }
    }
    pending_.clear();
    if (!error.empty()) {
        out_ << "ERROR " << error << "\n";
        return;
    }
    board_ = std::move(next);
    answerMove();
}

void Protocol::finishBlock(bool add) {
    std::string error = pendingError_;
    for (const auto& [point, field] : pending_) {
        if (!error.empty())
            break;
        const auto [x, y] = point;
        if (x < 0 || y < 0 || x >= engine::kMaxSide || y >= engine::kMaxSide) {
            error = "blocked cell off the board";
        } else if (add && board_.contains(x, y) && board_.at(x, y) != Board::Empty &&
                   board_.at(x, y) != Board::Wall) {
            error = "blocked cell is taken";
        }
    }
    if (!error.empty()) {
        out_ << "ERROR " << error << "\n";
    } else {
        for (const auto& entry : pending_) {
            const auto found = std::find(walls_.begin(), walls_.end(), entry.first);
            if (add && found == walls_.end())
                walls_.push_back(entry.first);
            if (!add && found != walls_.end())
                walls_.erase(found);
        }
        applyWalls();
    }
    pending_.clear();
}

void Protocol::answerMove() {
    if (std::find(board_.cells.begin(), board_.cells.end(), Board::Empty) == board_.cells.end()) {
        out_ << "ERROR the board is full\n";
        return;
    }
    auto [x, y] = player_.choose(board_, settings_);
    if (!board_.contains(x, y) || board_.at(x, y) != Board::Empty) {
        // Never an illegal move: the first free cell instead.
        const auto free = std::find(board_.cells.begin(), board_.cells.end(), Board::Empty);
        const auto i = static_cast<int>(free - board_.cells.begin());
        x = i % board_.width;
        y = i / board_.width;
    }
    board_.set(x, y, Board::Own);
    board_.moves.emplace_back(x, y);
    if (const std::string line = player_.report(); !line.empty())
        out_ << "MESSAGE " << line << "\n";
    out_ << x << "," << y << "\n";
}

}  // namespace pbrain
