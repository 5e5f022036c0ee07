// SPDX-License-Identifier: MIT
// Aside files: their names, which of them a sweep removes, when a run sweeps, and what
// an output file does with each kind of earlier file. Runs on Linux and Windows alike.
#include "Files.h"
#include "StaleAsideFiles.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace glyphsmith {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

// Root writes where mode bits forbid it; Windows has no root.
bool IsRoot() {
#ifdef _WIN32
    return false;
#else
    return geteuid() == 0;
#endif
}

TEST(AsideFileName, IsTheOnlyFormThatASweepTakesForItsOwn) {
    EXPECT_EQ(AsideFileName(123, 4), ".glyphsmith-123-4.tmp");
    const unsigned long most = std::numeric_limits<unsigned long>::max();
    EXPECT_TRUE(IsAsideFileName(std::string_view(AsideFileName(most, most))));
    const struct {
        std::string_view name;
        bool aside;
    } kCases[] = {
        {".glyphsmith-1-0.tmp", true},
        {".glyphsmith-0012-7.tmp", true},
        {".glyphsmith-12345.tmp", false}, // an earlier version's, whose writer held no lock
        {"glyphsmith-1-1.tmp", false},
        {".glyphsmith-1-1.tmp.htf", false},
        {".glyphsmith-1-1.tmpx", false},
        {"x.glyphsmith-1-1.tmp", false},
        {".glyphsmith--1.tmp", false},
        {".glyphsmith-1-.tmp", false},
        {".glyphsmith-.tmp", false},
        {".glyphsmith-1-1-1.tmp", false},
        {".glyphsmith-a-1.tmp", false},
        {".glyphsmith- 1-1.tmp", false},
        {".Glyphsmith-1-1.tmp", false},
        {".glyphsmith-1-1.TMP", false},
        {".glyphsmith-\xD9\xA1-1.tmp", false}, // an Arabic-Indic digit one
        {"gbksong01.htf", false},
        {"", false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(IsAsideFileName(c.name), c.aside) << c.name;
        const std::wstring wide(c.name.begin(), c.name.end());
        EXPECT_EQ(IsAsideFileName(std::wstring_view(wide)), c.aside) << c.name;
    }
}

// A sweep removes exactly the regular files of the aside form that nobody holds: what a
// writer leaves when it ends without renaming or removing its file.
TEST(StaleAsideFiles, OnlyUnheldFilesOfTheAsideFormAreRemoved) {
    test::ScopedWorkDir work;
    constexpr fs::perms kReadWrite = fs::perms::owner_read | fs::perms::owner_write;
    const struct {
        const char* name;
        bool directory;
        fs::perms permissions;
        bool removed;
    } kEntries[] = {
        {".glyphsmith-1-1.tmp", false, kReadWrite, true},
        {".glyphsmith-99999999-0.tmp", false, kReadWrite, true},
        {".glyphsmith-5-5.tmp", false, fs::perms::owner_write, true}, // not readable
        {".glyphsmith-2-2.tmp", true, kReadWrite, false},
        {".glyphsmith-12345.tmp", false, kReadWrite, false},
        {".glyphsmith-3-3.tmp.keep", false, kReadWrite, false},
        {"gbksong01.htf", false, kReadWrite, false},
    };
    for (const auto& entry : kEntries) {
        const fs::path path = fs::path("d") / entry.name;
        if (entry.directory) {
            fs::create_directories(path);
        } else {
            WriteFile(path, "left");
            fs::permissions(path, entry.permissions);
        }
    }
    AsideFile held; // named, as for a target that exists
    ASSERT_TRUE(held.Create("d", {TargetKind::ReplaceableFile, 0600}));
    const auto before = std::distance(fs::directory_iterator("d"), {});

    RemoveStaleAsideFiles("d");
    for (const auto& entry : kEntries) {
        EXPECT_EQ(fs::exists(fs::path("d") / entry.name), !entry.removed) << entry.name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("d"), {}), before - 3);
    EXPECT_TRUE(held.Replace("whole\n", "d/out.htf", {TargetKind::Missing, 0}));
    EXPECT_EQ(ReadFile("d/out.htf"), "whole\n");
}

// A file for a missing target takes the target's name once complete, also where a file
// has taken that name meanwhile, and leaves nothing else; on Linux it has no name before.
TEST(AsideFile, ForAMissingTargetLeavesOnlyTheTarget) {
    test::ScopedWorkDir work;
    fs::create_directory("d");
    for (const char* appearing : {static_cast<const char*>(nullptr), "appeared meanwhile\n"}) {
        AsideFile aside;
        ASSERT_TRUE(aside.Create("d", {TargetKind::Missing, 0}));
#ifdef __linux__
        EXPECT_TRUE(fs::is_empty("d"));
#endif
        if (appearing != nullptr) {
            WriteFile("d/x.htf", appearing);
        }
        EXPECT_TRUE(aside.Replace("new\n", "d/x.htf", {TargetKind::Missing, 0}));
        EXPECT_EQ(ReadFile("d/x.htf"), "new\n");
        EXPECT_EQ(std::distance(fs::directory_iterator("d"), {}), 1);
        fs::remove("d/x.htf");
    }
}

// A run looks through a directory for an interrupted run's aside files at its first file
// there, and only then; the next run, in the same process or another, looks again.
TEST(OutputFiles, SweepADirectoryAtTheRunsFirstFileThere) {
    test::ScopedWorkDir work;
    const struct {
        int run;
        const char* directory;
        bool swept;
    } kFiles[] = {
        {1, "a", true}, {1, "a", false}, {1, "b", true},  {1, "a", false},
        {2, "a", true}, {2, "b", true},  {2, "b", false},
    };
    std::optional<OutputFiles> run;
    int current = 0;
    for (const auto& file : kFiles) {
        if (file.run != current) {
            run.emplace();
            current = file.run;
        }
        const fs::path left = fs::path(file.directory) / AsideFileName(1, 1);
        WriteFile(left, "left by a killed run");
        OutputFile out(std::string(file.directory) + "/x.htf", *run);
        EXPECT_EQ(!fs::exists(left), file.swept) << "run " << file.run << ", " << file.directory;
        out.Stream() << "x";
        EXPECT_TRUE(out.Commit());
        fs::remove(left);
    }
}

// The new text replaces each kind of earlier file that may be written, and nothing else.
TEST(OutputFile, ReplacesWhatMayBeWrittenAndLeavesNoAsideFile) {
    test::ScopedWorkDir work;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    const struct {
        const char* path;
        const char* earlier; // none: no file there
        bool readOnly;
        bool replaced;
    } kTargets[] = {
        {"d/new.htf", nullptr, false, true},
        {"d/earlier.htf", "earlier text, longer than the new one\n", false, true},
        {"d/empty.htf", "", false, true},
        {"d/read-only.htf", "earlier\n", true, IsRoot()},
        {"d/missing/x.htf", nullptr, false, false},
    };
    fs::create_directory("d");
    for (const auto& target : kTargets) {
        if (target.earlier != nullptr) {
            WriteFile(target.path, target.earlier);
        }
        if (target.readOnly) {
            fs::permissions(target.path, readOnly);
        }
        OutputFiles run;
        OutputFile out(target.path, run);
        EXPECT_EQ(out.IsOpen(), target.replaced) << target.path;
        out.Stream() << "new\nlines\n";
        EXPECT_EQ(out.Commit(), target.replaced) << target.path;
        const std::string expected = target.replaced  ? "new\nlines\n"
                                     : target.earlier ? target.earlier
                                                      : "";
        EXPECT_EQ(fs::exists(target.path) ? ReadFile(target.path) : "", expected) << target.path;
    }
    EXPECT_EQ(fs::status("d/read-only.htf").permissions() & fs::perms::owner_write,
              fs::perms::none);
    fs::permissions("d/read-only.htf", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(std::distance(fs::directory_iterator("d"), {}), 4);
}

} // namespace
} // namespace glyphsmith
