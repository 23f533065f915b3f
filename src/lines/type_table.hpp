// The names the translator takes for C types: a built-in list, the names of
// the optional user file of extra type names, and every name learnt from the
// source while it is translated.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace xlat {

// The hashes of names looked up, kept sorted and without repeats every so
// often, so that a log of millions of lookups takes the room of the
// different names only.
class NameLog {
public:
    void Add(size_t hash) {
        hashes_.push_back(hash);
        tidy_ = false;
        if (hashes_.size() >= tidyAt_) Tidy();
    }
    // Whether the name's hash was logged.
    bool Holds(std::string_view name);

private:
    void Tidy();
    std::vector<size_t> hashes_;
    size_t tidyAt_ = 4096;
    bool tidy_ = true;  // sorted and without repeats since the last Add
};

class TypeTable {
public:
    // Starts with the 37 built-in names.
    TypeTable();

    bool Contains(std::string_view name) const;
    // Appends a name; duplicates are the caller's business (they are harmless).
    void Add(std::string_view name);
    // Reads extra names, one per line: each line is trimmed; empty lines, a lone
    // apostrophe and names already known are skipped.
    void LoadNames(std::string_view fileText);

    // Index of the last entry in use (36 with the built-in names only).
    int TypeCount() const { return static_cast<int>(names_.size()) - 1; }
    const std::vector<std::string>& Names() const { return names_; }

    // From now on the hash (HashOf) of every name looked up and not found is
    // appended to `log` (nullptr: none). A translation that starts in the
    // middle of a file needs them: a name learnt before its start would have
    // been found.
    void RecordMisses(NameLog* log) { missLog_ = log; }
    // Takes `names` for type names although nothing taught them (a guess at
    // what the text before would have taught); from now on the hash of every
    // name looked up and found only among them is appended to `log`.
    void Presume(const std::vector<std::string>& names, NameLog* log);
    // Drops the presumed names and stops both logs.
    void EndPresuming();
    static size_t HashOf(std::string_view name) { return NameHash{}(name); }

private:
    // Hashing that takes a string_view as it is, so that looking a token up
    // builds no string.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::vector<std::string> names_;
    // The names added after the built-in ones, which live in one shared
    // read-only set: a table (the directive probe makes one per look) then
    // costs no hashing of the built-in names.
    std::unordered_set<std::string, NameHash, std::equal_to<>> added_;
    std::unordered_set<std::string, NameHash, std::equal_to<>> presumed_;
    NameLog* missLog_ = nullptr;
    NameLog* presumedLog_ = nullptr;
};

}  // namespace xlat
