// xlat: translates one C source file into BASIC, written beside it as .bas.
#include <iostream>
#include <new>

#include "driver/convert_file.hpp"
#include "runtime/platform.hpp"

int main(int argc, char** argv) {
    xlat::GiveLargeBlocksBack();
    try {
        std::string argument = xlat::Command(1, argc, argv);
        int code = xlat::ConvertFile(argument, xlat::AppPath() + "xlat.dat", std::cout, std::cerr);
        std::cout.flush();
        return code;
    } catch (const std::bad_alloc&) {
        // The .bas is written only at the end, so an earlier one is intact.
        std::cout.flush();
        std::cerr << "Sorry: not enough memory to translate this file\n";
        return 1;
    }
}
