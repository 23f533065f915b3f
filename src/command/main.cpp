// xlat: translates C source files into BASIC, each written beside it as .bas.
#include <iostream>
#include <new>

#include "command/command_line.hpp"
#include "command/convert_file.hpp"
#include "runtime/platform.hpp"

namespace {

// The files named on the command line, with "*" and "?" expanded where the
// shell leaves that to the program. A pattern that matches no file stays as
// typed, so that it is reported like a missing file.
std::vector<std::string> FilesToConvert(const std::vector<std::string>& words) {
    std::vector<std::string> files;
    for (const std::string& word : words) {
        std::vector<std::string> matches;
        if (xlat::ExpandsWildcards() && word.find_first_of("*?") != std::string::npos)
            matches = xlat::MatchingFiles(word);
        if (matches.empty())
            files.push_back(word);
        else
            files.insert(files.end(), matches.begin(), matches.end());
    }
    return files;
}

// Converts one file, or standard input for "-"; returns the exit code.
int ConvertOne(const std::string& file, const xlat::ConvertOptions& options) {
    try {
        int code;
        if (file == "-") {
            std::string source;
            if (!xlat::ReadStandardInput(source)) {
                std::cerr << "Can't open file -\n";
                return 1;
            }
            code = xlat::ConvertText(std::move(source), options, std::cout, std::cerr);
        } else {
            code = xlat::ConvertFile(file, options, std::cout, std::cerr);
        }
        std::cout.flush();
        return code;
    } catch (const std::bad_alloc&) {
        // The .bas is written only at the end, so an earlier one is intact.
        std::cout.flush();
        std::cerr << "Sorry: not enough memory to translate this file\n";
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    xlat::GiveLargeBlocksBack();
    const xlat::CommandLine line = xlat::ParseCommandLine(xlat::CommandArguments(argc, argv));
    if (!line.wrongOption.empty()) {
        std::cerr << "xlat: option not understood: " << line.wrongOption << "\n" << xlat::UsageText();
        return 2;
    }
    if (line.help) {
        std::cout << xlat::UsageText();
        return 0;
    }
    if (line.version) {
        std::cout << "xlat " XLAT_VERSION "\n";
        return 0;
    }

    xlat::ConvertOptions options;
    options.programTypeNames = xlat::AppPath() + "xlat.dat";
    options.touchUps = line.touchUps;
    for (const std::string& path : line.typeFiles) {
        if (!xlat::Exist(path) || !xlat::AppendTypeNames(path, options.moreTypeNames)) {
            std::cerr << "Can't open file " << path << "\n";
            return 1;
        }
    }

    // With no file at all, the conversion of an empty name says how to call it.
    const std::vector<std::string> files =
        line.files.empty() ? std::vector<std::string>{""} : FilesToConvert(line.files);
    int code = 0;
    for (const std::string& file : files)
        if (ConvertOne(file, options) != 0) code = 1;
    return code;
}
