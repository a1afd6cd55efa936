#pragma once
// The list of the four most recently used files: entry 0 is the most
// recent, an empty entry is unused. Plain C++.

#include <array>
#include <string>

class RecentFiles {
public:
    static constexpr int kCount = 4;

    const std::string& entry(int i) const { return entries_.at(static_cast<size_t>(i)); }
    void setEntry(int i, const std::string& path) { entries_.at(static_cast<size_t>(i)) = path; }
    const std::array<std::string, kCount>& entries() const { return entries_; }

    // Puts the name (bytes, as given to open()) first; an equal entry (exact
    // comparison) among the first three moves up instead of appearing twice,
    // and the oldest drops off. A name with CR or LF is not added: the
    // settings file cannot hold it, and stored with spaces it would name a
    // different file.
    void update(const std::string& name);

private:
    std::array<std::string, kCount> entries_;
};
