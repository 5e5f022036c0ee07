// SPDX-License-Identifier: MIT
// Writes the sample inputs of the run directory: a code page 936 table made from the
// platform's iconv and the .enc files of one family made from it.
#include "Cp936Samples.h"

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make-sample-inputs DIRECTORY FAMILY\n";
        return 2;
    }
    glyphsmith::samples::WriteSampleInputs(argv[1], argv[2]);
    return 0;
}
