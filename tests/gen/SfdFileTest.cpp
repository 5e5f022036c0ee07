// SPDX-License-Identifier: MIT
#include "SfdFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

using test::Repeated;

// "name@line position=value[+count] ..." per subfont, then "line: reason" per note.
std::string Dump(const SfdFile& file) {
    std::ostringstream out;
    for (const SfdSubfont& subfont : file.Subfonts()) {
        out << subfont.Name() << '@' << subfont.Line();
        for (const SfdRun& run : subfont.Runs()) {
            out << ' ' << run.position << '=' << std::hex << run.value << std::dec;
            if (run.count > 1) {
                out << '+' << run.count;
            }
        }
        out << '\n';
    }
    for (const SfdNote& note : file.Notes()) {
        out << note.line << ": " << note.reason << '\n';
    }
    return out.str();
}

std::string DumpOf(const std::string& text) {
    std::istringstream in(text);
    return Dump(SfdFile::Read(in));
}

struct ReadCase {
    std::string text;
    std::string dump;
};

const std::string kRest = "; the rest of the line is passed over\n";

std::string NoCode(int line, const std::string& entry) {
    return std::to_string(line) + ": \"" + entry + "\" is no code, range a_b or offset n:" + kRest;
}

std::string BadName(int line, const std::string& name, const std::string& fault) {
    return std::to_string(line) + ": the subfont name \"" + name + "\"" + fault + kRest;
}

TEST(SfdFile, ReadsTheGrammar) {
    const std::vector<ReadCase> cases = {
        {"03\t10: 0x2349 0x2345_0x2347\n", "03@1 10=2349 11=2345+3\n"},
        {"01 0x10 010 10 0X1f 0 0xffFFffFF", "01@1 0=10 1=8 2=a 3=1f 4=0 5=ffffffff\n"},
        {"# 01 0x41\n\n \f01\v0x4E02 \\\r\n# between\n\t0x4E03\\\n0x4E04 \\  \n\n02 1\n",
         "01@3 0=4e02+3\n02@8 0=1\n"},
        {"4e 0x4E00_0x4E0F\r\n0100 0x10000\n4e 16: 0x4E10\n", "4e@1 0=4e00+17\n0100@2 0=10000\n"},
        {"01 10:0x41 0x42 0: 0x40\n", "01@1 0=40 10=41+2\n"},
        {"01\n02 \\\n\n03 5:\n", "01@1\n02@2\n03@4\n"},
        {"01 0x41 zz 0x42\n02 0x43", "01@1 0=41\n02@2 0=43\n" + NoCode(1, "zz")},
        {"01 1 \\\n 08 2 \\\n 3\n02 4\n", "01@1 0=1\n02@4 0=4\n" + NoCode(2, "08")},
        {"01 0x \n02 1_2:\n03 _1\n04 -1\n05 1\\ 2\n",
         "01@1\n02@2\n03@3\n04@4\n05@5\n" + NoCode(1, "0x") + NoCode(2, "1_2:") + NoCode(3, "_1") +
             NoCode(4, "-1") + NoCode(5, "1\\")},
        {"01 0x100000000\n", "01@1\n1: \"0x100000000\" holds a code beyond 0xFFFFFFFF" + kRest},
        {"01 7 256: 8\n", "01@1 0=7\n1: the offset \"256:\" lies past position 255" + kRest},
        {"01 0x20_0x10\n", "01@1\n1: the range \"0x20_0x10\" runs backwards" + kRest},
        {"01 250: 0_6\n", "01@1\n1: \"0_6\" would take positions past 255 of subfont 01" + kRest},
        {"01 255: 1 2\n",
         "01@1 255=1\n1: \"2\" would take positions past 255 of subfont 01" + kRest},
        {"01 0_9 5: 0x41\n",
         "01@1 0=0+10\n1: \"0x41\" gives position 5 of subfont 01 a second value" + kRest},
        {"01 0_9\n01 4 5: 0x41\n",
         "01@1 0=0+10\n2: \"4\" gives position 0 of subfont 01 a second value" + kRest},
        {"a/b 1\nc\\d 2\nf\x01 3\n" + std::string(40, 'g') + " 4\n",
         BadName(1, "a/b", " cannot be part of a file name") +
             BadName(2, "c\\d", " cannot be part of a file name") +
             BadName(3, "f\x01", " cannot be part of a file name") +
             BadName(4, std::string(32, 'g') + "...", " is too long")},
    };
    for (const ReadCase& readCase : cases) {
        EXPECT_EQ(DumpOf(readCase.text), readCase.dump) << readCase.text;
    }
}

TEST(SfdFile, LongLinesKeepOnlyWhatTheyGive) {
    EXPECT_EQ(DumpOf("01 " + Repeated("0_255 ", 200'000)),
              "01@1 0=0+256\n1: \"0_255\" would take positions past 255 of subfont 01" + kRest);
    EXPECT_EQ(DumpOf("01 " + Repeated("1111111111", 100'000)),
              "01@1\n1: \"" + std::string(32, '1') +
                  "...\" is no code, range a_b or offset n:" + kRest);
}

// Binary files, files saved as UTF-16 and huge files of junk cost little and say why.
TEST(SfdFile, StopsAtANulByteAndBoundsWhatItKeeps) {
    using namespace std::string_literals;
    std::istringstream utf16("\xFF\xFE"
                             "0\0"
                             "1\0 \0"
                             "1\0\n\0"s);
    EXPECT_EQ(SfdFile::Read(utf16).NulByteLine(), 1);
    std::istringstream afterLines("01 0x41\n02 0x42\n\n\0"
                                  "03 0x43\n"s);
    const SfdFile binary = SfdFile::Read(afterLines);
    EXPECT_EQ(binary.NulByteLine(), 4);
    EXPECT_EQ(Dump(binary), "01@1 0=41\n02@2 0=42\n");

    std::istringstream faults(Repeated("x y\n", 150));
    const SfdFile faulty = SfdFile::Read(faults);
    ASSERT_EQ(faulty.Notes().size(), SfdFile::kMostNotes);
    EXPECT_EQ(faulty.Notes().back().line, 100);
    EXPECT_EQ(faulty.NotesLeftOut(), 50);

    std::string names;
    for (std::size_t i = 1; i < SfdFile::kMostSubfonts; ++i) {
        names += std::to_string(i) + "\n";
    }
    std::istringstream many("x 0x41\n" + names + "0 1\nx 1: 0x42\n");
    const SfdFile file = SfdFile::Read(many);
    EXPECT_EQ(file.Subfonts().size(), SfdFile::kMostSubfonts);
    const SfdNote tooMany{65537, "the subfont \"0\" is one too many: a file names at most 65536 "
                                 "subfonts; the rest of the line is passed over"};
    EXPECT_EQ(file.Notes(), std::vector{tooMany});
    EXPECT_EQ(file.Find("x")->Value(1), 0x42);
}

} // namespace
} // namespace glyphsmith
