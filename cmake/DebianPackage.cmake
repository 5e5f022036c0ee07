# SPDX-License-Identifier: MIT
# `make package`: one Debian package with both programs, built by CPack from the
# `package` preset's release build. Its Depends come from the programs' libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glyphsmith)
set(CPACK_PACKAGE_VENDOR Ostrelan)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "TeX4ht font file generator for GBK Chinese fonts")
set(CPACK_PACKAGE_DESCRIPTION
    "Glyphsmith writes the TeX4ht font files (.htf) of Chinese fonts in the GBK
encoding, as the CJK package for LaTeX uses them: 94 files per font family,
each telling TeX4ht which Unicode character stands for each code of a
subfont. It builds them from the CJK package's UGBK.sfd or from a code page
936 table plus .enc files, and clones and aliases existing families.

The package holds the window program glyphsmith, which the desktop menu
starts in ~/Glyphsmith, and glyphsmith-cli, which runs the same work from
scripts.")
# A Debian package states its licence in its copyright file, data/copyright; these are the
# licence fields of CPack's other generators.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ostrelan <contributors@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://glyphsmith.example.org/)
set(CPACK_DEBIAN_PACKAGE_SECTION tex)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# UGBK.sfd, Generator 1's input, comes with the TeX tree's font utilities.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS texlive-font-utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Directories get 0755 whatever the umask of the one who builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
