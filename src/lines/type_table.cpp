#include "lines/type_table.hpp"

#include <algorithm>
#include <iterator>

#include "runtime/strings.hpp"

namespace xlat {

namespace {
constexpr std::string_view kBuiltInTypes[] = {
    "BOOL",    "bool",     "char",    "UCHAR",   "int",      "UINT",     "float",      "double",
    "WORD",    "DWORD",    "short",   "USHORT",  "long",     "ULONG",    "PCHAR",      "LPWORD",
    "LPSTR",   "__int64",  "void",    "HBITMAP", "HACCEL",   "HANDLE",   "HPEN",       "MSG",
    "HWND",    "HRESULT",  "RECT",    "size_t",  "LPARAM",   "WPARAM",   "INTEGER",    "WNDCLASS",
    "WNDCLASSEX", "VARIANT", "va_list", "HINSTANCE", "HDC"};


const std::unordered_set<std::string_view>& BuiltInSet() {
    static const std::unordered_set<std::string_view> set(std::begin(kBuiltInTypes), std::end(kBuiltInTypes));
    return set;
}

}  // namespace

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
    if (BuiltInSet().count(name) != 0 || (!added_.empty() && added_.find(name) != added_.end())) return true;
    if (!presumed_.empty() && presumed_.find(name) != presumed_.end()) {
        if (presumedLog_) presumedLog_->Add(HashOf(name));
        return true;
    }
    if (missLog_) missLog_->Add(HashOf(name));
    return false;
}

void TypeTable::Presume(const std::vector<std::string>& names, NameLog* log) {
    presumed_.insert(names.begin(), names.end());
    presumedLog_ = log;
}

void TypeTable::EndPresuming() {
    presumed_.clear();
    presumedLog_ = nullptr;
    missLog_ = nullptr;
}

void TypeTable::Add(std::string_view name) {
    names_.emplace_back(name);
    added_.emplace(name);
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
