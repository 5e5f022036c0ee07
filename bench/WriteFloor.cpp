// SPDX-License-Identifier: MIT
// Writes the 564 files of Generator 1's six families, each with the text of one given
// file, the way the runs write their output: each written aside and put in place of the
// earlier one whole, through the runs' own output files. It reads one input and forms
// nothing, so beside `cp -r` over a copy it shows what keeping that promise costs by
// itself: the least that any run over an earlier tree can take.
#include "Files.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <sys/stat.h>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: glyphsmith-write-floor FILE TREE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    const std::string tree = argv[2];
    mkdir(tree.c_str(), 0777);
    glyphsmith::OutputFiles outputs;
    for (const char* family : {"gbksong", "gbkhei", "gbkfs", "gbkkai", "gbkli", "gbkyou"}) {
        const std::string directory = tree + "/" + family;
        mkdir(directory.c_str(), 0777);
        for (int subfont = 1; subfont <= 94; ++subfont) {
            char name[32];
            std::snprintf(name, sizeof name, "/%s%02d.htf", family, subfont);
            glyphsmith::OutputFile file(directory + name, outputs);
            if (!file.IsOpen() || !(file.Stream() << text) || !file.Commit()) {
                std::cerr << "glyphsmith-write-floor: cannot write " << directory + name << "\n";
                return 1;
            }
        }
    }
    outputs.Close();
    return 0;
}
