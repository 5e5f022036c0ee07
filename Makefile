# SPDX-License-Identifier: MIT
# The two set-up commands of the README. Both install what is missing first.
JOBS ?= $(shell nproc)
.PHONY: run test package bench fuzz test-windows package-windows check-reproducible

run:
	scripts/install-deps
	cmake --preset dev
	cmake --build --preset dev --parallel $(JOBS) --target glyphsmith rundir
	scripts/run-window $(CURDIR)/build/dev

test:
	scripts/install-deps
	cmake --preset asan
	cmake --build --preset asan --parallel $(JOBS)
	ctest --preset asan --parallel 2
	cmake --preset fuzz -DGLYPHSMITH_FUZZ_SECONDS=30
	cmake --build --preset fuzz --parallel $(JOBS)
	ctest --preset fuzz --parallel 2

# glyphsmith_<version>_amd64.deb in this directory, for `apt-get install ./glyphsmith_*.deb`.
package:
	scripts/install-deps
	JOBS=$(JOBS) scripts/build-package $(CURDIR)

# Not part of `make test`: timings of whole runs against copying their output.
bench:
	scripts/install-deps
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS) --target bench

# The fuzz targets for ten minutes each, keeping what they find in build/fuzz.
fuzz:
	scripts/install-deps
	cmake --preset fuzz -DGLYPHSMITH_FUZZ_SECONDS=600
	cmake --build --preset fuzz --parallel $(JOBS)
	ctest --preset fuzz --parallel 2

# Both programs built for Windows, their tests run under wine64 (the windows' on an Xvfb
# display).
test-windows:
	scripts/install-deps windows
	cmake --preset mingw
	cmake --build --preset mingw --parallel $(JOBS)
	ctest --preset mingw

# Both programs for Windows, statically linked and stripped, in
# build/mingw-release/glyphsmith-<version>-win64.zip with the README and copyright.txt.
package-windows:
	scripts/install-deps windows
	cmake --preset mingw-release
	cmake --build --preset mingw-release --parallel $(JOBS) --target package-windows

# Not part of `make test`, for its time: both packages of the last commit built twice, in two
# clones in different directories, and compared byte for byte.
check-reproducible:
	scripts/install-deps windows
	scripts/check-reproducible
