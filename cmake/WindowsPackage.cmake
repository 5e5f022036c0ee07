# SPDX-License-Identifier: MIT
# glyphsmith-<version>-win64.zip: both programs, the README, the release notes, the licence,
# the third-party notices and the example copyright.txt, in a folder of their own. The
# programs are checked to need no DLL beyond Windows' own. The licence goes in as
# LICENSE.txt, which Windows opens at a double click.
set(package glyphsmith-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/package)
add_custom_target(package-windows
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/win32/check-imports.sh ${CMAKE_OBJDUMP}
            $<TARGET_FILE:glyphsmith> $<TARGET_FILE:glyphsmith-cli>
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${package}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:glyphsmith> $<TARGET_FILE:glyphsmith-cli>
            ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NEWS.md
            ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt ${PROJECT_SOURCE_DIR}/data/copyright.txt
            ${stage}/${package}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/${package}/LICENSE.txt
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/make-zip ${stage} ${package}
            ${CMAKE_BINARY_DIR}/${package}.zip
    DEPENDS glyphsmith glyphsmith-cli
    COMMENT "Writing ${CMAKE_BINARY_DIR}/${package}.zip"
    VERBATIM)
