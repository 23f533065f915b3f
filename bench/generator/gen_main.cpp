// xlat_gen BYTES FILE [crlf]: writes a generated C source of at least BYTES.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "generator/generate.hpp"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: xlat_gen BYTES FILE [crlf]\n";
        return 2;
    }
    std::size_t bytes = std::strtoull(argv[1], nullptr, 10);
    bool crlf = argc > 3 && std::string(argv[3]) == "crlf";
    std::ofstream(argv[2], std::ios::binary) << xlat::bench::GenerateSource(bytes, crlf);
    return 0;
}
