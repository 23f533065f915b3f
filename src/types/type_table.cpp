#include "types/type_table.hpp"

#include <algorithm>
#include <iterator>

#include "runtime/strings.hpp"

namespace xlat {

namespace {
constexpr std::string_view kBuiltInTypes[] = {
    "BOOL",    "bool",     "char",       "UCHAR",   "int",     "UINT",      "float", "double",  "WORD",   "DWORD",
    "short",   "USHORT",   "long",       "ULONG",   "PCHAR",   "LPWORD",    "LPSTR", "__int64", "void",   "HBITMAP",
    "HACCEL",  "HANDLE",   "HPEN",       "MSG",     "HWND",    "HRESULT",   "RECT",  "size_t",  "LPARAM", "WPARAM",
    "INTEGER", "WNDCLASS", "WNDCLASSEX", "VARIANT", "va_list", "HINSTANCE", "HDC"};

const NameSet& BuiltInSet() {
    static const NameSet set = [] {
        NameSet names;
        for (std::string_view name : kBuiltInTypes) names.Insert(name, TypeTable::HashOf(name));
        return names;
    }();
    return set;
}

}  // namespace

size_t NameSet::Find(std::string_view name, size_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (!slot.used || (slot.hash == hash && slot.name == name)) return i;
    }
}

bool NameSet::Contains(std::string_view name, size_t hash) const {
    return count_ != 0 && slots_[Find(name, hash)].used;
}

void NameSet::Insert(std::string_view name, size_t hash) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    Slot& slot = slots_[Find(name, hash)];
    if (slot.used) return;
    slot = Slot{hash, std::string(name), true};
    ++count_;
}

void NameSet::Grow() {
    std::vector<Slot> old(std::max<size_t>(64, 2 * slots_.size()));
    old.swap(slots_);
    for (Slot& slot : old)
        if (slot.used) slots_[Find(slot.name, slot.hash)] = std::move(slot);
}

void NameSet::Clear() {
    slots_.clear();
    count_ = 0;
}

void NameLog::Tidy() {
    if (tidy_) return;
    tidy_ = true;
    std::sort(hashes_.begin(), hashes_.end());
    hashes_.erase(std::unique(hashes_.begin(), hashes_.end()), hashes_.end());
    tidyAt_ = std::max<size_t>(4096, 2 * hashes_.size());
}

bool NameLog::Holds(std::string_view name) {
    Tidy();
    return std::binary_search(hashes_.begin(), hashes_.end(), TypeTable::HashOf(name));
}

TypeTable::TypeTable() { names_.assign(std::begin(kBuiltInTypes), std::end(kBuiltInTypes)); }

bool TypeTable::Contains(std::string_view name) const {
    const size_t hash = HashOf(name);
    if (BuiltInSet().Contains(name, hash) || added_.Contains(name, hash)) return true;
    if (presumed_.Contains(name, hash)) {
        if (presumedLog_) presumedLog_->Add(hash);
        return true;
    }
    if (missLog_) missLog_->Add(hash);
    return false;
}

void TypeTable::Presume(const std::vector<std::string>& names, NameLog* log) {
    for (const std::string& name : names) presumed_.Insert(name, HashOf(name));
    presumedLog_ = log;
}

void TypeTable::EndPresuming() {
    presumed_.Clear();
    presumedLog_ = nullptr;
    missLog_ = nullptr;
}

void TypeTable::Add(std::string_view name) {
    names_.emplace_back(name);
    added_.Insert(name, HashOf(name));
}

void TypeTable::LoadNames(std::string_view fileText) {
    size_t pos = 0;
    while (pos < fileText.size()) {
        size_t end = fileText.find('\n', pos);
        if (end == std::string_view::npos) end = fileText.size();
        std::string line = Trim(fileText.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line != "'" && !Contains(line)) Add(line);
    }
}

}  // namespace xlat
