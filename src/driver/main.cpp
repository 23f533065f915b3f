// xlat: translates one C source file into BASIC, written beside it as .bas.
#include <iostream>

#include "driver/convert_file.hpp"
#include "runtime/platform.hpp"

int main(int argc, char** argv) {
    xlat::GiveLargeBlocksBack();
    std::string argument = xlat::Command(1, argc, argv);
    int code = xlat::ConvertFile(argument, xlat::AppPath() + "xlat.dat", std::cout, std::cerr);
    std::cout.flush();
    return code;
}
