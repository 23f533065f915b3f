#include "driver/convert_file.hpp"

#include <utility>

#include "driver/convert.hpp"
#include "driver/indent.hpp"
#include "runtime/platform.hpp"
#include "runtime/strings.hpp"

namespace xlat {

std::string StemOf(const std::string& argument) {
    size_t nameStart = argument.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = argument.find('.', nameStart);
    return dot == std::string::npos ? argument : argument.substr(0, dot);
}

namespace {

int CantOpen(std::ostream& err, const std::string& name) {
    err << "Can't open file " << name << "\n";
    return 1;
}

}  // namespace

int ConvertFile(const std::string& argument, const std::string& typeNamesPath, std::ostream& out,
                std::ostream& err) {
    const std::string stem = StemOf(argument);
    const std::string outName = stem + ".bas";
    if (!Exist(argument)) {
        out << "SYNTAX: xlat filename\n";
        return 1;
    }
    CopyFileNoOverwrite(argument, stem + "(c).BAK");
    if (Exist(outName)) CopyFileNoOverwrite(outName, stem + "(tam).BAK");

    std::string source;
    if (!ReadWholeFile(argument, source)) return CantOpen(err, argument);
    std::string typeNames;
    if (Exist(typeNamesPath) && !ReadWholeFile(typeNamesPath, typeNames)) return CantOpen(err, typeNamesPath);

    Conversion result = TranslateOwnedSource(std::move(source), typeNames);

    if (result.verdict == Verdict::Fatal) {
        // What was translated before the stop is kept, unindented.
        if (!WriteFileAtomically(outName, result.text)) return CantOpen(err, outName);
        out << result.message << "\n";
        out << argument << "(" << result.line << "): " << result.reason << "\n";
        return 1;
    }

    std::string indented = IndentOutput(result.text);
    if (!WriteFileAtomically(outName, indented)) return CantOpen(err, outName);
    if (result.verdict == Verdict::OpenBlocks) {
        out << "Conversion Error Detected. :-(\n";
        for (const auto& block : result.openBlocks) {
            out << argument << "(" << block.line << "): block left open";
            if (!block.closer.empty()) out << " (no \"" << block.closer << "\")";
            out << "\n";
        }
    } else {
        out << "xlat : " << stem << " converted to " << outName << "\n";
    }
    out << "Indenting: " << MCase(outName) << "\n";
    return result.verdict == Verdict::Converted ? 0 : 1;
}

}  // namespace xlat
