#include "command/convert_file.hpp"

#include <utility>

#include "command/touch_ups.hpp"
#include "driver/convert.hpp"
#include "indenter/indent.hpp"
#include "runtime/platform.hpp"
#include "runtime/strings.hpp"

namespace xlat {

std::string StemOf(const std::string& argument) {
    size_t nameStart = argument.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = argument.find('.', nameStart);
    return dot == std::string::npos ? argument : argument.substr(0, dot);
}

std::string ProjectTypeNamesPath(const std::string& argument) {
    const size_t nameStart = argument.find_last_of("/\\");
    return (nameStart == std::string::npos ? std::string() : argument.substr(0, nameStart + 1)) + "xlat.dat";
}

bool AppendTypeNames(const std::string& path, std::string& names) {
    if (!Exist(path)) return true;
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    if (!names.empty() && names.back() != '\n') names += '\n';
    names += text;
    return true;
}

namespace {

int CantOpen(std::ostream& err, const std::string& name) {
    err << "Can't open file " << name << "\n";
    return 1;
}

// The names of the program's file, then of the project's, then the others.
bool GatherTypeNames(const ConvertOptions& options, const std::string& projectFile, std::string& names,
                     std::ostream& err) {
    for (const std::string* path : {&options.programTypeNames, &projectFile}) {
        if (!AppendTypeNames(*path, names)) {
            CantOpen(err, *path);
            return false;
        }
    }
    if (!names.empty() && names.back() != '\n') names += '\n';
    names += options.moreTypeNames;
    return true;
}

// The message of a stop and where it happened.
void WriteFatal(const std::string& name, const Conversion& result, std::ostream& out) {
    out << result.message << "\n";
    out << name << "(" << result.line << "): " << result.reason << "\n";
}

void WriteOpenBlocks(const std::string& name, const Conversion& result, std::ostream& out) {
    out << "Conversion Error Detected. :-(\n";
    for (const auto& block : result.openBlocks) {
        out << name << "(" << block.line << "): block left open";
        if (!block.closer.empty()) out << " (no \"" << block.closer << "\")";
        out << "\n";
    }
}

// Writes the .bas file and the verdict; returns the exit code.
int WriteResult(const std::string& argument, const Conversion& result, std::ostream& out, std::ostream& err) {
    const std::string stem = StemOf(argument);
    const std::string outName = stem + ".bas";
    if (result.verdict == Verdict::Fatal) {
        // What was translated before the stop is kept, unindented.
        if (!WriteFileAtomically(outName, result.text)) return CantOpen(err, outName);
        WriteFatal(argument, result, out);
        return 1;
    }
    std::string indented = IndentOutput(result.text);
    if (!WriteFileAtomically(outName, indented)) return CantOpen(err, outName);
    if (result.verdict == Verdict::OpenBlocks)
        WriteOpenBlocks(argument, result, out);
    else
        out << "xlat : " << stem << " converted to " << outName << "\n";
    out << "Indenting: " << MCase(outName) << "\n";
    return result.verdict == Verdict::Converted ? 0 : 1;
}

}  // namespace

int ConvertFile(const std::string& argument, const ConvertOptions& options, std::ostream& out, std::ostream& err) {
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
    if (!GatherTypeNames(options, ProjectTypeNamesPath(argument), typeNames, err)) return 1;

    const Conversion result = TranslateOwnedSource(std::move(source), typeNames);
    const int code = WriteResult(argument, result, out, err);
    if (options.touchUps) WriteTouchUps(argument, result, out);
    return code;
}

int ConvertText(std::string source, const ConvertOptions& options, std::ostream& text, std::ostream& messages) {
    const std::string name = "<stdin>";
    std::string typeNames;
    if (!GatherTypeNames(options, ProjectTypeNamesPath(""), typeNames, messages)) return 1;
    const Conversion result = TranslateOwnedSource(std::move(source), typeNames);
    if (result.verdict == Verdict::Fatal) {
        text << result.text;
        WriteFatal(name, result, messages);
    } else {
        text << IndentOutput(result.text);
        if (result.verdict == Verdict::OpenBlocks) WriteOpenBlocks(name, result, messages);
    }
    text.flush();
    if (options.touchUps) WriteTouchUps(name, result, messages);
    return result.verdict == Verdict::Converted ? 0 : 1;
}

}  // namespace xlat
