#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The moves of the nodes on the search's current path, each node's in a frame on one stack that
// grows once to the largest size a search needs: generating moves allocates nothing per node.
// A node adds its moves while its frame is on top (before it searches its children, whose frames
// lie above it and are gone when they return) and gives the space back when it returns. Entries
// are read by index: a push may move the storage.
namespace engine {

class MoveStack {
public:
    // An order key (smaller first) and a cell; keys are unique with their cells, so sorting
    // gives the same order on every run.
    using Entry = std::pair<int, int>;

    MoveStack() { entries_.reserve(std::size_t{1} << 14U); }

    class Frame {
    public:
        explicit Frame(MoveStack& stack) : stack_(stack), begin_(stack.top_) {}
        ~Frame() { stack_.top_ = begin_; }
        Frame(const Frame&) = delete;
        Frame& operator=(const Frame&) = delete;

        void push(int key, int cell) { stack_.push({key, cell}); }
        std::size_t size() const { return stack_.top_ - begin_; }
        bool empty() const { return size() == 0; }
        int cell(std::size_t i) const { return stack_.entries_[begin_ + i].second; }
        bool contains(int cell) const {
            return std::any_of(begin(), end(), [cell](const Entry& e) { return e.second == cell; });
        }
        // Orders the first `count` entries (all when it is the size) and drops the rest.
        void keepBest(std::size_t count) {
            count = std::min(count, size());
            std::partial_sort(begin(), begin() + static_cast<std::ptrdiff_t>(count), end());
            stack_.top_ = begin_ + count;
        }
        void sort() { std::sort(begin(), end()); }
        void setKey(std::size_t i, int key) { stack_.entries_[begin_ + i].first = key; }

    private:
        Entry* begin() const { return stack_.entries_.data() + begin_; }
        Entry* end() const { return stack_.entries_.data() + stack_.top_; }

        MoveStack& stack_;
        std::size_t begin_;
    };

private:
    void push(Entry entry) {
        if (top_ == entries_.size())
            entries_.push_back(entry);
        else
            entries_[top_] = entry;
        ++top_;
    }

    std::vector<Entry> entries_;
    std::size_t top_ = 0;
};

}  // namespace engine
