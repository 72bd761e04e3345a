#pragma once
// What the user would have seen or heard: one entry per visible effect (a
// message box, a timer armed or killed), in the order they happened. Tests read
// it instead of a screen.

#include <string>
#include <vector>

namespace user {

struct Effect {
    std::string kind;      // "MessageBox", "SetTimer", "KillTimer"
    std::u16string detail; // human-readable particulars
};

class EffectsLog {
public:
    void Add(std::string kind, std::u16string detail) {
        mEntries.push_back({std::move(kind), std::move(detail)});
    }
    const std::vector<Effect>& Entries() const { return mEntries; }

private:
    std::vector<Effect> mEntries;
};

} // namespace user
