// The structural check: runs the xlat command over C files and reports, per
// file and in total, how much of each program's structure its translation
// kept.
//
//   xlat_structure [--list] XLAT PATH...
//
// PATH is a C file or a folder searched for *.c files (a missing one is
// skipped). A NAME.dat beside NAME.c is given to the command as its file of
// extra type names. Per file:
//   funcs   function definitions in the C source (a parameter list followed
//           by a body, at file level; main aside, as its head is dropped)
//   named   those with a SUB or FUNCTION head of their name in the output
//   heads   SUB and FUNCTION heads written; margin: those at the left
//           margin; closed: those closed by their END line, as far indented
//   structs struct and union bodies in the source; types: TYPE blocks
//   lost    source words (identifiers and comment words of three letters
//           and more, C keywords aside) found nowhere in the output, in any
//           letter case: text that went missing
//   c>code  words that the source has only in comments and the output has
//           in its code: comment text that became code
//   open    blocks the command reported left open
// A file is whole when it converted with exit code 0, no block open, a head
// for every function, every head at the margin and closed, as many TYPE
// blocks as structures and no comment text in the code.
// --list also names, per file, the functions without a head, the comment
// words found in code and the lost words.
// The exit code is 1 when the command crashed, hung or could not be run on
// some file; the figures themselves never fail the check.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "basic_scan.hpp"
#include "c_scan.hpp"
#include "run_xlat.hpp"

namespace fs = std::filesystem;
using namespace structure;

namespace {

const WordSet kCKeywords = {
    "auto",   "break",  "case",   "char",    "const", "continue", "default",  "double",   "else",  "enum",   "extern",
    "float",  "for",    "goto",   "inline",  "int",   "long",     "register", "return",   "short", "signed", "sizeof",
    "static", "struct", "switch", "typedef", "union", "unsigned", "void",     "volatile", "while", "define", "include",
    "ifdef",  "ifndef", "endif",  "elif",    "undef", "pragma",   "error",    "defined",
};

// Words the translator writes of its own accord.
const WordSet kBasicWords = {
    "AND",     "ASC",         "BAND",   "BOR",    "BYREF",    "BYTE",    "CASE",   "CONST",     "DIM",     "ELSE",
    "ELSEIF",  "END",         "EXIT",   "FOR",    "FUNCTION", "GLOBAL",  "GOTO",   "INTEGER",   "ITERATE", "LOOP",
    "NEXT",    "NOT",         "PTR",    "RAW",    "REPEAT",   "SELECT",  "SET",    "SHAREDSET", "SHORT",   "STATIC",
    "SUB",     "THEN",        "TYPE",   "WEND",   "WHILE",    "XOR",     "UINT",   "ULONG",     "USHORT",  "UCHAR",
    "LONG",    "SINGLE",      "DOUBLE", "STRING", "HEADER",   "LIBRARY", "IPRINT", "hInst",     "hPrev",   "CmdLine",
    "CmdShow", "WndMainProc", "iLoop",  "ppos",   "llen",     "sset",    "ddelay", "ttimer",    "oobject",
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct Figures {
    int files = 0, whole = 0, crashed = 0;
    long functions = 0, named = 0, heads = 0, margin = 0, closed = 0, structures = 0, types = 0, lost = 0,
         commentCode = 0, open = 0;

    void Add(const Figures& f) {
        files += f.files, whole += f.whole, crashed += f.crashed;
        functions += f.functions, named += f.named, heads += f.heads, margin += f.margin, closed += f.closed;
        structures += f.structures, types += f.types, lost += f.lost, commentCode += f.commentCode;
        open += f.open;
    }
};

// The source's comment-only words that stand in the output's code.
std::vector<std::string> CommentWordsInCode(const CSource& c, const BasicOutput& basic) {
    std::vector<std::string> found;
    for (const std::string& word : c.commentWords)
        if (!c.codeWords.count(word) && !kBasicWords.count(word) && basic.codeWords.count(word)) found.push_back(word);
    std::sort(found.begin(), found.end());
    return found;
}

// The source's words (in lower case) that the output lacks.
std::vector<std::string> LostWords(const CSource& c, const BasicOutput& basic) {
    WordSet words;
    for (const WordSet* set : {&c.codeWords, &c.commentWords})
        for (const std::string& word : *set)
            if (!kCKeywords.count(word)) words.insert(Lower(word));
    std::vector<std::string> lost;
    for (const std::string& word : words)
        if (!basic.allWords.count(word) && !basic.allWordsButFirst.count(word)) lost.push_back(word);
    std::sort(lost.begin(), lost.end());
    return lost;
}

// The functions of the source that have no head of their name.
std::vector<std::string> FunctionsWithoutHead(const CSource& c, const BasicOutput& basic) {
    std::map<std::string, int> heads;
    for (const std::string& name : basic.heads) ++heads[name];
    std::vector<std::string> missing;
    for (const std::string& name : c.functions)
        if (heads[name]-- <= 0) missing.push_back(name.empty() ? "(no name)" : name);
    return missing;
}

long CountOf(const std::string& text, std::string_view what) {
    long count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

void PrintRow(const std::string& name, const std::string& exit, const Figures& f) {
    std::printf("%-40s %5s %6ld %6ld %6ld %6ld %6ld %7ld %6ld %6ld %6ld %5ld\n", name.c_str(), exit.c_str(),
                f.functions, f.named, f.heads, f.margin, f.closed, f.structures, f.types, f.lost, f.commentCode,
                f.open);
}

Figures Check(const fs::path& xlat, const fs::path& file, const std::string& name, bool list) {
    const CSource c = ScanC(ReadFile(file));
    fs::path typeNames = file;
    typeNames.replace_extension(".dat");
    const Run run = RunXlat(xlat, file, fs::exists(typeNames) ? typeNames : fs::path());
    const BasicOutput basic = ScanBasic(run.basic);
    const std::vector<std::string> commentWords = CommentWordsInCode(c, basic);
    const std::vector<std::string> lost = LostWords(c, basic);
    const std::vector<std::string> withoutHead = FunctionsWithoutHead(c, basic);

    Figures f;
    f.files = 1;
    f.crashed = run.crashed;
    f.functions = static_cast<long>(c.functions.size());
    f.heads = static_cast<long>(basic.heads.size());
    f.margin = basic.headsAtMargin;
    f.closed = basic.headsClosed;
    f.structures = c.structures;
    f.types = basic.types;
    f.named = f.functions - static_cast<long>(withoutHead.size());
    f.lost = static_cast<long>(lost.size());
    f.commentCode = static_cast<long>(commentWords.size());
    f.open = CountOf(run.console, "block left open");
    f.whole = run.exitCode == 0 && f.open == 0 && f.named == f.functions && f.margin == f.heads &&
              f.closed == f.heads && f.types >= f.structures && f.commentCode == 0;
    PrintRow(name, run.crashed ? "CRASH" : std::to_string(run.exitCode), f);
    if (run.crashed) std::printf("    %s\n", run.console.c_str());
    if (list) {
        for (const std::string& name : withoutHead) std::printf("    no head: %s\n", name.c_str());
        for (const std::string& word : commentWords) std::printf("    comment word in code: %s\n", word.c_str());
        for (const std::string& word : lost) std::printf("    lost word: %s\n", word.c_str());
    }
    return f;
}

// The C files of `path`: the file itself, or the *.c files of a folder and
// its subfolders, in name order.
std::vector<fs::path> CFiles(const fs::path& path) {
    std::vector<fs::path> files;
    if (!fs::is_directory(path)) return {path};
    for (const auto& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file() && entry.path().extension() == ".c") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

double Share(long part, long whole) {
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 100.0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool list = !args.empty() && args[0] == "--list";
    if (list) args.erase(args.begin());
    if (args.size() < 2) {
        std::cerr << "usage: xlat_structure [--list] XLAT PATH...\n";
        return 2;
    }
    const fs::path xlat = args[0];
    std::printf("%-40s %5s %6s %6s %6s %6s %6s %7s %6s %6s %6s %5s\n", "file", "exit", "funcs", "named", "heads",
                "margin", "closed", "structs", "types", "lost", "c>code", "open");
    Figures total;
    for (size_t i = 1; i < args.size(); ++i) {
        const fs::path path = args[i];
        if (!fs::exists(path)) {
            std::printf("skipped (missing): %s\n", path.string().c_str());
            continue;
        }
        for (const fs::path& file : CFiles(path)) {
            const std::string name =
                fs::is_directory(path) ? fs::relative(file, path).string() : file.filename().string();
            total.Add(Check(xlat, file, name, list));
        }
    }
    PrintRow("total", "", total);
    std::printf(
        "files %d, whole %d, crashed %d; functions with a head of their name %.1f%%; heads at the margin "
        "%.1f%%, closed %.1f%%; structures as TYPE blocks %.1f%%\n",
        total.files, total.whole, total.crashed, Share(total.named, total.functions), Share(total.margin, total.heads),
        Share(total.closed, total.heads), Share(total.types, total.structures));
    return total.crashed ? 1 : 0;
}
