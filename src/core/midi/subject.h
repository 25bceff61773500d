#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

namespace Core {

// A thread-safe list of non-owning observer pointers.
// Notification copies the list into a fixed snapshot and calls the observers
// without holding the lock, so an observer may add or remove observers
// (itself included) from inside a notification; the change applies from the
// next notification on.
template <class T>
class Subject {
public:
    // Notification snapshots live on the stack; registrations beyond this are refused.
    static constexpr std::size_t kMaxObservers = 16;

    Subject() = default;
    Subject(const Subject &) = delete;
    Subject &operator=(const Subject &) = delete;
    virtual ~Subject() = default;

    // Returns false when the observer could not be added because the list is full.
    // An observer already present is left where it is (and counts as added).
    bool AddObserver(T *observer)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (std::find(observers.begin(), observers.end(), observer) != observers.end())
            return true;
        if (observers.size() >= kMaxObservers)
            return false;
        observers.push_back(observer);
        return true;
    }

    void RemoveObserver(T *observer)
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = std::find(observers.begin(), observers.end(), observer);
        if (it != observers.end())
            observers.erase(it);
    }

    std::size_t ObserverCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return observers.size();
    }

    template <class R>
    void NotifyObservers(R (T::*operation)())
    {
        Snapshot snapshot;
        const std::size_t count = TakeSnapshot(snapshot);
        for (std::size_t i = 0; i < count; ++i)
            (snapshot[i]->*operation)();
    }

    template <class R, class P, class A>
    void NotifyObservers(R (T::*operation)(P), const A &argument)
    {
        Snapshot snapshot;
        const std::size_t count = TakeSnapshot(snapshot);
        for (std::size_t i = 0; i < count; ++i)
            (snapshot[i]->*operation)(argument);
    }

private:
    using Snapshot = std::array<T *, kMaxObservers>;

    std::size_t TakeSnapshot(Snapshot &snapshot) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        const std::size_t count = std::min(observers.size(), snapshot.size());
        std::copy_n(observers.begin(), count, snapshot.begin());
        return count;
    }

    std::vector<T *> observers;
    mutable std::mutex mutex;
};

} // namespace Core
