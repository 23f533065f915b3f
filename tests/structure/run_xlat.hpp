// Runs the xlat command on a copy of a C file in a folder of its own.
#pragma once

#include <filesystem>
#include <string>

namespace structure {

struct Run {
    int exitCode = 0;
    // The command ended by a signal, ran out of time or could not be started.
    bool crashed = false;
    std::string console;  // standard output and standard error
    std::string basic;    // the .bas file written, empty when there is none
};

// `typeNames`, when not empty, is a file of extra type names given to the
// command as its xlat.dat.
Run RunXlat(const std::filesystem::path& xlat, const std::filesystem::path& source,
            const std::filesystem::path& typeNames);

}  // namespace structure
