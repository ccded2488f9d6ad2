# Thin wrapper over the CMake presets. `make test` installs what it needs first.
APT_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libplist-dev libgtest-dev libgmock-dev \
                googletest libbenchmark-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build test bench run format clean

deps:
	@missing=$$(for p in $(APT_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

# The unit and widget tests run twice: as shipped, and under ASan and UBSan, where any report fails them.
test: build
	ctest --preset default
	cmake --preset asan && cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset bench && cmake --build --preset bench
	./build/bench/bench/redizado_bench

run: build
	@echo "Redizado's tray program is not built yet; the stored state and its tests are (make test)."

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
