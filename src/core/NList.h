#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace quelvan {

// Ordered, owning list of records (materials, layers, ambiances, table rows). Records keep
// their address while they are in the list, so other records may point at them (a layer points
// at its material). The visible order is the order of insertion.
template <typename T> class NList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }

    T& At(int position) { return *items_[static_cast<size_t>(position)]; }
    const T& At(int position) const { return *items_[static_cast<size_t>(position)]; }

    T& Append(std::unique_ptr<T> item)
    {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    void Insert(int position, std::unique_ptr<T> item)
    {
        items_.insert(items_.begin() + position, std::move(item));
    }
    // Removes and returns the record at a position (the caller decides whether it lives on).
    std::unique_ptr<T> Take(int position)
    {
        auto item = std::move(items_[static_cast<size_t>(position)]);
        items_.erase(items_.begin() + position);
        return item;
    }
    void RemoveTail(int n)
    {
        for (int i = 0; i < n && !items_.empty(); ++i)
            items_.pop_back();
    }
    void Clear() { items_.clear(); }
    // Position of a record, -1 when it is not in the list.
    int IndexOf(const T* item) const
    {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }
    // Replaces the whole content with records in a new order (list dialogs hand records back).
    void Replace(std::vector<std::unique_ptr<T>> items) { items_ = std::move(items); }
    std::vector<std::unique_ptr<T>> TakeAll() { return std::exchange(items_, {}); }

    struct Iterator {
        typename std::vector<std::unique_ptr<T>>::const_iterator it;
        T& operator*() const { return **it; }
        T* operator->() const { return it->get(); }
        Iterator& operator++()
        {
            ++it;
            return *this;
        }
        bool operator==(const Iterator&) const = default;
    };
    Iterator begin() const { return { items_.begin() }; }
    Iterator end() const { return { items_.end() }; }

private:
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace quelvan
