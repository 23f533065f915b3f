#include "runtime/platform.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fnmatch.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "runtime/strings.hpp"

namespace fs = std::filesystem;

namespace xlat {

namespace {

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

#ifdef _WIN32
// Names are handed to the ANSI file functions as they are, the way the C
// library's fopen takes them; std::filesystem is not used on Windows because
// it reads narrow names as UTF-8 and would fail on other bytes.

bool IsDirectory(const std::string& name) {
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The folder part of a file name ("." when there is none), for a temporary
// file beside it.
std::string DirectoryOf(const std::string& name) {
    size_t cut = name.find_last_of("\\/:");
    if (cut == std::string::npos) return ".";
    if (name[cut] == ':') return name.substr(0, cut + 1);  // "C:x.bas": the current folder of C:
    return name.substr(0, cut == 0 || name[cut - 1] == ':' ? cut + 1 : cut);
}

// A system call that fills a buffer and returns the length it needed or
// wrote, retried with a larger buffer until the text fits.
template <typename Fill>
std::string GrowingBuffer(Fill fill) {
    std::string buf(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD n = fill(buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return buf.substr(0, n);
        buf.resize(buf.size() * 2 > n + 1 ? buf.size() * 2 : n + 1);
    }
}
#else
bool IsDirectory(const std::string& name) {
    std::error_code ec;
    return fs::is_directory(fs::path(name), ec);
}

// Calls `found` with each entry of the pattern's folder whose name matches
// the pattern's last part, until it returns false.
template <typename Found>
void ForEachMatch(const std::string& pattern, Found found) {
    fs::path p(pattern);
    fs::path dir = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    std::string leaf = p.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (fnmatch(leaf.c_str(), it->path().filename().string().c_str(), 0) == 0 && !found(*it)) return;
    }
}

bool AnyFileMatches(const std::string& pattern) {
    bool any = false;
    ForEachMatch(pattern, [&](const fs::directory_entry&) {
        any = true;
        return false;
    });
    return any;
}
#endif

}  // namespace

bool Exist(const std::string& name) {
    if (name.empty()) return false;
#ifdef _WIN32
    if (HasWildcard(name)) {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(name.c_str(), &data);
        if (h == INVALID_HANDLE_VALUE) return false;
        FindClose(h);
        return true;
    }
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    if (HasWildcard(name)) return AnyFileMatches(name);
    std::error_code ec;
    return fs::exists(fs::path(name), ec);
#endif
}

long long Lof(const std::string& name) {
    if (name.empty()) return 0;
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
#else
    std::error_code ec;
    auto size = fs::file_size(fs::path(name), ec);
    return ec ? 0 : static_cast<long long>(size);
#endif
}

bool CopyFileNoOverwrite(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
#else
    std::error_code ec;
    if (fs::exists(fs::path(to), ec)) return false;
    return fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::none, ec);
#endif
}

bool DeleteFileNamed(const std::string& name) {
#ifdef _WIN32
    return DeleteFileA(name.c_str()) != 0;
#else
    std::error_code ec;
    return fs::remove(fs::path(name), ec);
#endif
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
#else
    std::error_code ec;
    fs::rename(fs::path(from), fs::path(to), ec);
    return !ec;
#endif
}

std::string TempDir() {
#ifdef _WIN32
    std::string dir = GrowingBuffer([](char* buf, DWORD size) { return GetTempPathA(size, buf); });
    return dir.empty() ? std::string(".\\") : dir;
#else
    std::error_code ec;
    auto dir = fs::temp_directory_path(ec);
    if (ec) return "./";
    std::string s = dir.string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
#endif
}

std::string TempFileName(const std::string& dir, const std::string& prefix) {
#ifdef _WIN32
    // The function writes at most MAX_PATH characters and creates the file.
    char buf[MAX_PATH + 1];
    if (GetTempFileNameA(dir.empty() ? "." : dir.c_str(), prefix.c_str(), 0, buf) == 0) return {};
    return buf;
#else
    std::string base = dir.empty() ? std::string("./") : dir;
    if (base.back() != '/') base += '/';
    std::string pattern = base + prefix + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = mkstemp(buf.data());
    if (fd < 0) return {};
    close(fd);
    return std::string(buf.data());
#endif
}

std::string AppPath() {
#ifdef _WIN32
    // GetModuleFileNameA returns the full size when the name was cut short.
    std::string path =
        GrowingBuffer([](char* buf, DWORD size) { return GetModuleFileNameA(GetModuleHandleA(nullptr), buf, size); });
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
#else
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
#endif
}

std::string CommandWord(const std::string& commandLine, int n) {
    // So `"my file.c"` and `"C:\My Files"\prog.c` are one word each, as a
    // shell would split them; a backslash is an ordinary character.
    size_t i = 0;
    for (int word = 0;; ++word) {
        while (i < commandLine.size() && IsCSpace(commandLine[i])) ++i;
        if (i == commandLine.size()) return {};
        std::string text;
        bool quoted = false;
        for (; i < commandLine.size() && (quoted || !IsCSpace(commandLine[i])); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                text += commandLine[i];
        }
        if (word == n) return text;
    }
}

std::string Command(int n, int argc, char** argv) {
#ifdef _WIN32
    // The raw command line, so that a quoted name with blanks is one word.
    (void)argc;
    (void)argv;
    return CommandWord(GetCommandLineA(), n);
#else
    if (n < 0 || n >= argc) return {};
    return argv[n];
#endif
}

std::vector<std::string> CommandArguments(int argc, char** argv) {
    std::vector<std::string> words;
#ifdef _WIN32
    const std::string commandLine = GetCommandLineA();
    for (int n = 1;; ++n) {
        // An empty word ("") cannot be told from the end of the line.
        std::string word = CommandWord(commandLine, n);
        if (word.empty()) break;
        words.push_back(std::move(word));
    }
    (void)argc;
    (void)argv;
#else
    for (int n = 1; n < argc; ++n) words.push_back(argv[n]);
#endif
    return words;
}

bool ExpandsWildcards() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

std::vector<std::string> MatchingFiles(const std::string& pattern) {
    std::vector<std::string> names;
#ifdef _WIN32
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    const std::string folder = pattern.substr(0, pattern.find_last_of("\\/:") + 1);
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(folder + data.cFileName);
    } while (FindNextFileA(h, &data));
    FindClose(h);
#else
    const std::string folder = pattern.substr(0, pattern.find_last_of('/') + 1);
    ForEachMatch(pattern, [&](const fs::directory_entry& entry) {
        std::error_code ec;
        if (!entry.is_directory(ec)) names.push_back(folder + entry.path().filename().string());
        return true;
    });
#endif
    std::sort(names.begin(), names.end());
    return names;
}

bool ReadStandardInput(std::string& content) {
#ifdef _WIN32
    // Bytes as they come: the translator deals with carriage returns itself.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    content.clear();
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) content.append(buffer, got);
    return !std::ferror(stdin);
}

bool ReadWholeFile(const std::string& name, std::string& content) {
    if (IsDirectory(name)) return false;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    // The size the file has now is read in one piece; a file that grows
    // meanwhile is read on to its end.
    const long long size = Lof(name);
    content.resize(size > 0 ? static_cast<size_t>(size) : 0);
    content.resize(std::fread(content.data(), 1, content.size(), file));
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

void GiveLargeBlocksBack() {
#if defined(__GLIBC__)
    // A fixed threshold: blocks of 1 MB and more are mapped on their own
    // and unmapped when freed (the library would otherwise raise the
    // threshold after each such free and keep later blocks in its heap).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

bool WriteFileAtomically(const std::string& name, const std::string& content) {
#ifdef _WIN32
    std::string temp = TempFileName(DirectoryOf(name), "INDENT");
#else
    fs::path target(name);
    std::string dir = target.parent_path().string();
    std::string temp = TempFileName(dir.empty() ? std::string(".") : dir, "INDENT");
#endif
    if (temp.empty()) return false;
    {
        // Text mode: the platform's own line ends.
        std::ofstream out(temp, std::ios::out | std::ios::trunc);
        out << content;
        out.flush();
        if (!out) {
            out.close();
            DeleteFileNamed(temp);
            return false;
        }
    }
#ifndef _WIN32
    // A temporary file is private; the result gets the permissions of the file
    // it replaces, or those of a newly created file.
    std::error_code ec;
    auto status = fs::status(target, ec);
    if (!ec && fs::exists(status)) {
        fs::permissions(temp, status.permissions(), ec);
    } else {
        mode_t mask = umask(0);
        umask(mask);
        fs::permissions(temp, static_cast<fs::perms>(0666 & ~mask), ec);
    }
#endif
    if (!MoveFileReplacing(temp, name)) {
        DeleteFileNamed(temp);
        return false;
    }
    return true;
}

}  // namespace xlat
