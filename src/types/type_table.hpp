// The names the translator takes for C types: a built-in list, the names of
// the optional user file of extra type names, and every name learnt from the
// source while it is translated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// A set of names, each looked up with a hash the caller computes once for
// all the sets it asks (open addressing over a power-of-two table).
class NameSet {
public:
    bool Contains(std::string_view name, size_t hash) const;
    // Adds the name unless it is there already.
    void Insert(std::string_view name, size_t hash);
    bool Empty() const { return count_ == 0; }
    void Clear();

private:
    struct Slot {
        size_t hash = 0;
        std::string name;
        bool used = false;
    };
    // Where the name is, or the free slot where it would go.
    size_t Find(std::string_view name, size_t hash) const;
    void Grow();
    std::vector<Slot> slots_;  // kept at most half full
    size_t count_ = 0;
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
    // 64-bit FNV-1a: names are short, and a lookup hashes the name once for
    // every set it asks and for the logs.
    static size_t HashOf(std::string_view name) {
        std::uint64_t hash = 14695981039346656037ull;
        for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<size_t>(hash);
    }

private:
    std::vector<std::string> names_;
    // The names added after the built-in ones, which live in one shared
    // read-only set: a table (the directive probe makes one per look) then
    // costs no copy of the built-in names.
    NameSet added_;
    NameSet presumed_;
    NameLog* missLog_ = nullptr;
    NameLog* presumedLog_ = nullptr;
};

}  // namespace xlat
