// The command: file names, backups, reading and writing, console messages
// and the exit code around the pure translator.
#pragma once

#include <ostream>
#include <string>

namespace xlat {

// The name of the output and backups are built from the stem: the argument up
// to the first "." of its file-name part.
std::string StemOf(const std::string& argument);

// The file of type names looked for in the folder of a source file named
// `argument` (the current folder when the name has no folder part).
std::string ProjectTypeNamesPath(const std::string& argument);

struct ConvertOptions {
    // The file of extra type names beside the program; it need not exist.
    std::string programTypeNames;
    // Names that come after those of the source's folder (the text of the
    // files given on the command line, one name per line).
    std::string moreTypeNames;
    // Whether the touch-up list follows the verdict.
    bool touchUps = false;
};

// Reads the type names of `path` and appends them to `names`. A missing
// file adds nothing; false when the file exists but cannot be read.
bool AppendTypeNames(const std::string& path, std::string& names);

// Converts the C file named by `argument`; returns the exit code. Messages go
// to `out` (standard output) and `err` (standard error).
int ConvertFile(const std::string& argument, const ConvertOptions& options, std::ostream& out, std::ostream& err);

// Converts C text read from standard input: the indented BASIC goes to
// `text`, every message to `messages`; no file is written. Returns the exit
// code.
int ConvertText(std::string source, const ConvertOptions& options, std::ostream& text, std::ostream& messages);

}  // namespace xlat
