#pragma once
// The runtime's list: 1-based object references in insertion order, optionally keyed by text.

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vardex {

template <typename T> class KeyedList {
  public:
    using Ptr = std::shared_ptr<T>;

  private:
    // Declared before the iterator that names it.
    struct Entry {
        Ptr item;
        std::string key;
    };

  public:
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    // Entry at a 1-based index; out of range throws like a subscript error.
    const Ptr& item(int index) const {
        if (index < 1 || index > count()) throw std::out_of_range("Subscript out of range");
        return entries_[index - 1].item;
    }
    // Entry with the key, or null.
    Ptr find(const std::string& key) const {
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const Entry& e) { return !key.empty() && e.key == key; });
        return it == entries_.end() ? nullptr : it->item;
    }
    bool containsKey(const std::string& key) const { return find(key) != nullptr; }
    // 1-based index of the entry with the key, 0 when none.
    int indexOfKey(const std::string& key) const {
        for (int i = 0; i < count(); ++i)
            if (!key.empty() && entries_[i].key == key) return i + 1;
        return 0;
    }

    // Appends; a key already in the list is refused as the runtime refuses it.
    void add(Ptr item, const std::string& key = {}) {
        if (!key.empty() && containsKey(key))
            throw std::invalid_argument("This key is already associated with an element of this "
                                        "collection");
        entries_.push_back({std::move(item), key});
    }
    void remove(int index) {
        item(index);
        entries_.erase(entries_.begin() + (index - 1));
    }
    // Empties the list by removing its first entry until it is empty.
    void clear() {
        while (!entries_.empty()) remove(1);
    }

    // Iteration over the entries' references, in order.
    class const_iterator {
      public:
        explicit const_iterator(typename std::vector<Entry>::const_iterator it) : it_(it) {}
        const Ptr& operator*() const { return it_->item; }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return it_ != other.it_; }

      private:
        typename std::vector<Entry>::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(entries_.begin()); }
    const_iterator end() const { return const_iterator(entries_.end()); }

  private:
    std::vector<Entry> entries_;
};

} // namespace vardex
