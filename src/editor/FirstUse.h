#pragma once

#include <functional>
#include <utility>

namespace cuefold {

// A window built the first time it is asked for: most sessions never open
// most windows, and building them all at start-up delays the main window.
template<typename W>
class FirstUse {
public:
    FirstUse() = default;
    explicit FirstUse(std::function<W *()> create)
        : mCreate(std::move(create))
    {
    }

    W *get() const
    {
        if (!mWindow)
            mWindow = mCreate();
        return mWindow;
    }
    W *operator->() const { return get(); }
    // The window when it exists; nothing to update otherwise.
    W *ifBuilt() const { return mWindow; }

private:
    std::function<W *()> mCreate;
    mutable W *mWindow = nullptr; // owned by its parent window
};

} // namespace cuefold
