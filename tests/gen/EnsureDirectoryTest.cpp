// SPDX-License-Identifier: MIT
#include "EnsureDirectory.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

namespace fs = std::filesystem;

TEST(EnsureDirectory, MakesEveryMissingPrefix) {
    test::ScopedWorkDir work;
    fs::create_directory("work");
    fs::current_path("work");
    EXPECT_TRUE(EnsureDirectory("../ht-fonts/unicode/cjk/gbksong"));
    EXPECT_TRUE(fs::is_directory(work.Path() / "ht-fonts/unicode/cjk/gbksong"));
}

TEST(EnsureDirectory, EmptyPathAndTrailingSeparator) {
    test::ScopedWorkDir work;
    EXPECT_TRUE(EnsureDirectory(""));
    EXPECT_TRUE(EnsureDirectory("a/b/"));
    EXPECT_TRUE(fs::is_directory("a/b"));
}

TEST(EnsureDirectory, AbsolutePathsWork) {
    test::ScopedWorkDir work;
    EXPECT_TRUE(EnsureDirectory((work.Path() / "x" / "y").string()));
    EXPECT_TRUE(fs::is_directory(work.Path() / "x" / "y"));
}

TEST(EnsureDirectory, AFileInTheWayCountsAsExisting) {
    test::ScopedWorkDir work;
    test::WriteFile("gbksong", "not a directory");
    EXPECT_TRUE(EnsureDirectory("gbksong"));
    EXPECT_FALSE(EnsureDirectory("gbksong/inner"));
}

TEST(EnsureDirectory, KeepsWhatItMadeBeforeAFailure) {
    test::ScopedWorkDir work;
    test::WriteFile("file", "");
    EXPECT_FALSE(EnsureDirectory("made/../file/c"));
    EXPECT_TRUE(fs::is_directory("made"));
}

} // namespace
} // namespace glyphsmith
