# The two set-up commands of the README. Both install what is missing first.
.PHONY: run test

run:
	scripts/install-deps
	cmake --preset dev
	cmake --build --preset dev --parallel
	cmake --build --preset dev --target rundir
	scripts/run-window $(CURDIR)/build/dev

test:
	scripts/install-deps
	cmake --preset asan
	cmake --build --preset asan --parallel
	ctest --preset asan --parallel 2
