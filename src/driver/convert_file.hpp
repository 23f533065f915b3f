// The command: file names, backups, reading and writing, console messages
// and the exit code around the pure translator.
#pragma once

#include <ostream>
#include <string>

namespace xlat {

// The name of the output and backups are built from the stem: the argument up
// to the first "." of its file-name part.
std::string StemOf(const std::string& argument);

// Converts the C file named by `argument`; returns the exit code. Messages go
// to `out` (standard output) and `err` (standard error). `typeNamesPath` is
// the file of extra type names (it need not exist).
int ConvertFile(const std::string& argument, const std::string& typeNamesPath, std::ostream& out,
                std::ostream& err);

}  // namespace xlat
