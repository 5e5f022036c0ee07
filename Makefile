# The two set-up commands of the README. Both install what is missing first.
.PHONY: run test bench

run:
	scripts/install-deps
	cmake --preset dev
	cmake --build --preset dev --parallel
	cmake --build --preset dev --target rundir
	scripts/run-sample $(CURDIR)/build/dev

test:
	scripts/install-deps
	cmake --preset asan
	cmake --build --preset asan --parallel
	ctest --preset asan --parallel 2

# Not part of `make test`: timings of whole runs against copying their output.
bench:
	scripts/install-deps
	cmake --preset release
	cmake --build --preset release --parallel --target bench
