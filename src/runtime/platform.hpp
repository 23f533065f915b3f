// The few operating-system services the tool needs: file existence and size,
// copies that never overwrite, atomic replacement, temporary names, the
// program's own folder and the raw command line.
#pragma once

#include <string>
#include <vector>

namespace xlat {

// True when a file or directory of that name exists; with "*" or "?" in the
// name, true when at least one file matches the pattern.
bool Exist(const std::string& name);
// The file's size in bytes, 0 for an empty name or a missing file.
long long Lof(const std::string& name);
// Copies `from` to `to` unless `to` already exists. Returns true on success.
bool CopyFileNoOverwrite(const std::string& from, const std::string& to);
bool DeleteFileNamed(const std::string& name);
// Renames `from` to `to`, replacing `to`.
bool MoveFileReplacing(const std::string& from, const std::string& to);
std::string TempDir();
// A new, unique, empty file in `dir` whose name begins with `prefix`; empty
// when none could be made.
std::string TempFileName(const std::string& dir, const std::string& prefix);
// The folder of the running program, ending in a path separator.
std::string AppPath();
// Word n of the command line (0 is the program): a word that begins with a
// double quote runs to the next one and loses its quotes.
std::string Command(int n, int argc, char** argv);
// Word n of a raw command line as Windows hands it over: words are separated
// by white space, white space between double quotes belongs to the word and
// the quotes go.
std::string CommandWord(const std::string& commandLine, int n);

// The words of the command line after the program's name, as Command gives
// them.
std::vector<std::string> CommandArguments(int argc, char** argv);
// Whether the program has to expand "*" and "?" in file names itself: on
// Windows the command shell hands them over as typed.
bool ExpandsWildcards();
// The files (not folders) whose names match `pattern`, "*" and "?" standing
// in its last part only, in name order and with the pattern's folder part in
// front.
std::vector<std::string> MatchingFiles(const std::string& pattern);

// Reads a whole file byte for byte, without ever opening it for writing.
bool ReadWholeFile(const std::string& name, std::string& content);
// Reads all of standard input byte for byte.
bool ReadStandardInput(std::string& content);

// Asks the C library to give blocks of 1 MB and more back to the system when
// they are freed. The translation builds and drops texts the size of the
// source; kept in the process's heap they would add up to a higher peak.
// (Where large pages are on, such blocks come from large_pages.cpp instead,
// which keeps the last two freed for reuse; the C library still serves the
// ones it cannot map, and all of them in builds without it.)
void GiveLargeBlocksBack();
// Writes `content` as text (platform line ends) to a temporary file beside
// `name` and renames it over `name`, so that `name` is never left half
// written. Returns false when the file could not be written.
bool WriteFileAtomically(const std::string& name, const std::string& content);

}  // namespace xlat
