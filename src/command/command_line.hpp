// The options of the xlat command and its usage text.
#pragma once

#include <string>
#include <vector>

namespace xlat {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool touchUps = false;               // --notes
    std::vector<std::string> typeFiles;  // --types FILE, in order
    std::vector<std::string> files;      // "-" is standard input
    std::string wrongOption;             // the first option not understood
};

// Options may stand anywhere before "--"; every word after it is a file.
CommandLine ParseCommandLine(const std::vector<std::string>& words);

// The text of --help.
std::string UsageText();

}  // namespace xlat
