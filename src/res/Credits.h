// SPDX-License-Identifier: MIT
#pragma once

namespace glyphsmith::res {

// Who made the program and where to reach them, as the About box shows them. The addresses
// under example.org are placeholders for a packager to replace with real ones.
struct Credit {
    const char* text;
    const char* address;
};

inline constexpr const char* kConverterHomePage = "https://tug.org/tex4ht/";
inline constexpr Credit kMaker{"Copyright (C) 2026 Ostrelan", "https://glyphsmith.example.org/"};
inline constexpr Credit kFirstDeveloper{"the team", "https://example.org/~dev/"};
inline constexpr Credit kSecondDeveloper{"contributors", "mailto:contributors@example.org"};

} // namespace glyphsmith::res
