#include "command/command_line.hpp"

namespace xlat {

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
    CommandLine line;
    bool options = true;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!options || word == "-" || word.empty() || word[0] != '-') {
            line.files.push_back(word);
        } else if (word == "--") {
            options = false;
        } else if (word == "-h" || word == "--help") {
            line.help = true;
        } else if (word == "--version") {
            line.version = true;
        } else if (word == "--notes") {
            line.touchUps = true;
        } else if (word == "--types" && i + 1 < words.size()) {
            line.typeFiles.push_back(words[++i]);
        } else if (word.rfind("--types=", 0) == 0 && word.size() > 8) {
            line.typeFiles.push_back(word.substr(8));
        } else if (line.wrongOption.empty()) {
            line.wrongOption = word;
        }
    }
    return line;
}

std::string UsageText() {
    return "Usage: xlat [OPTION]... FILE...\n"
           "       xlat [OPTION]... -\n"
           "Translates each C source FILE into BASIC, written beside it as STEM.bas\n"
           "(STEM: the name up to the first \".\" of its last part), and keeps the\n"
           "backups STEM(c).BAK and STEM(tam).BAK. With \"-\", reads C from standard\n"
           "input and writes the BASIC to standard output, messages to standard error.\n"
           "\n"
           "Options:\n"
           "  -h, --help        print this help and exit\n"
           "      --version     print the version and exit\n"
           "      --types FILE  read more type names from FILE (may be repeated)\n"
           "      --notes       after each verdict, list the lines to finish by hand\n"
           "      --            end of options: every later argument is a file\n"
           "\n"
           "Type names, one per line, are read from xlat.dat beside the program, then\n"
           "from xlat.dat in the folder of each source file (the current folder for\n"
           "\"-\"), then from each --types FILE in order; all are used together.\n"
           "\n"
           "Exit status: 0 when every file was converted, 1 when one was not,\n"
           "2 for an option not understood.\n";
}

}  // namespace xlat
