#include "run_xlat.hpp"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace structure {

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const fs::path& path) {
    std::string quoted = "'";
    for (char c : path.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

fs::path NewFolder() {
    std::string pattern = (fs::temp_directory_path() / "xlat_structure_XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

}  // namespace

Run RunXlat(const fs::path& xlat, const fs::path& source, const fs::path& typeNames) {
    Run run;
    const fs::path folder = NewFolder();
    if (folder.empty()) {
        run.crashed = true;
        return run;
    }
    fs::path command = fs::absolute(xlat);
    if (!typeNames.empty()) {
        // The command reads xlat.dat from its own folder.
        fs::create_directory(folder / "bin");
        fs::copy_file(command, folder / "bin" / "xlat");
        fs::copy_file(typeNames, folder / "bin" / "xlat.dat");
        command = folder / "bin" / "xlat";
    }
    const std::string name = source.filename().string();
    fs::copy_file(source, folder / name);
    // A hang is a failure as much as a crash is.
    const std::string line =
        "cd " + Quoted(folder) + " && timeout 600 " + Quoted(command) + " " + Quoted(name) + " > console.txt 2>&1";
    const int status = std::system(line.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // The shell reports a command ended by a signal as 128 and the signal.
    run.crashed = run.exitCode < 0 || run.exitCode > 1;
    run.console = ReadFile(folder / "console.txt");
    const fs::path basic = folder / (name.substr(0, name.find('.')) + ".bas");
    if (fs::exists(basic)) run.basic = ReadFile(basic);
    fs::remove_all(folder);
    return run;
}

}  // namespace structure
