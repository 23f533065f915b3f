#include "runtime/platform.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "runtime/strings.hpp"

namespace fs = std::filesystem;

namespace xlat {

namespace {

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

#ifndef _WIN32
bool AnyFileMatches(const std::string& pattern) {
    fs::path p(pattern);
    fs::path dir = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    std::string leaf = p.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (fnmatch(leaf.c_str(), it->path().filename().string().c_str(), 0) == 0) return true;
    }
    return false;
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
    std::error_code ec;
    auto size = fs::file_size(fs::path(name), ec);
    return ec ? 0 : static_cast<long long>(size);
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
    char buf[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof buf, buf);
    return n > 0 && n <= MAX_PATH ? std::string(buf, n) : std::string(".\\");
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
    char buf[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(GetModuleHandleA(nullptr), buf, MAX_PATH);
    std::string path(buf, n);
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

std::string Command(int n, int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    // The raw command line: words are separated by white space; a word that
    // begins with a double quote runs to the next double quote.
    const char* p = GetCommandLineA();
    for (int word = 0;; ++word) {
        while (*p && IsCSpace(*p)) ++p;
        if (!*p) return {};
        std::string text;
        if (*p == '"') {
            ++p;
            while (*p && *p != '"') text += *p++;
            if (*p == '"') ++p;
        } else {
            while (*p && *p != ' ') text += *p++;
        }
        if (word == n) return text;
    }
#else
    if (n < 0 || n >= argc) return {};
    return argv[n];
#endif
}

bool ReadWholeFile(const std::string& name, std::string& content) {
    std::ifstream in(name, std::ios::in | std::ios::binary);
    if (!in) return false;
    std::error_code ec;
    if (fs::is_directory(fs::path(name), ec)) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFileAtomically(const std::string& name, const std::string& content) {
    fs::path target(name);
    std::string dir = target.parent_path().string();
    std::string temp = TempFileName(dir.empty() ? std::string(".") : dir, "INDENT");
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
