# Vorlin on a fresh Debian machine. Each command first installs the Debian packages it needs
# that are missing:
#   make run      the game's packages; builds the game, generates dati/ and starts it
#   make package  the game's and the packaging tools; builds the Debian package
#   make test     all three sets; builds everything, then every test (unit, gui, e2e, package)

BUILD ?= build
PREFIX ?= /usr/local
# The core libraries and their unit tests again, with the address and undefined-behaviour checks.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# The libFuzzer programs (clang), each run for FUZZ_SECONDS from its committed corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := record_table record_template text_encoding
# The Debian packages each command installs when they are missing, one set on top of the other.
# Building and playing: the compiler and build tools, dpkg-buildflags (Debian's hardening flags),
# Qt with its translation tools, SDL 2 for game controllers, XRandR, the font, and Qt's Wayland
# plugin so the game runs natively on a Wayland desktop.
GAME_PACKAGES := g++ cmake ninja-build pkg-config dpkg-dev \
	qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-wayland \
	libsdl2-dev libpulse-dev libxrandr-dev libx11-dev fonts-liberation2
# `make package`: CPack reads the program's type with file; the checks Debian makes of a package.
PACKAGE_PACKAGES := file lintian appstream desktop-file-utils man-db
# `make test`: GoogleTest and Google Benchmark; X servers, a window manager, a session bus and
# the accessibility bus for the real-window tests, and the tools that drive and look at them;
# PulseAudio and SoX for the sound tests; Weston for the Wayland test; clang for `make fuzz`.
TEST_PACKAGES := googletest libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool imagemagick x11-xserver-utils xserver-xorg-core xserver-xorg-video-dummy \
	x11-utils openbox dbus-daemon at-spi2-core python3-pyatspi util-linux procps strace dbus-bin time \
	pulseaudio pulseaudio-utils sox weston clang libclang-rt-14-dev

.PHONY: run test fuzz bench install package screenshots

# Installs those of the given Debian packages that are missing: as root, or else through sudo.
install_missing = missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || printf '%s ' $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages: $$missing"; \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  elif command -v sudo >/dev/null 2>&1 && sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; then \
	    :; \
	  else \
	    echo "Cannot install packages here. Run: sudo apt-get install -y $$missing"; exit 1; \
	  fi; \
	fi

# One build folder for playing, packaging and testing. Made new by `make run`, `make install` or
# `make package`, it leaves the tests out, so those need none of the test packages; `make test`
# and `make bench` switch the tests on in the same folder, keeping what is already built. Each
# command then builds only what it needs.
CONFIGURE := cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure_game = [ -f $(BUILD)/build.ninja ] || $(CONFIGURE) -DVORLIN_BUILD_TESTS=OFF
configure_tests = { [ -f $(BUILD)/build.ninja ] && \
	grep -qx 'VORLIN_BUILD_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt; } || \
	$(CONFIGURE) -DVORLIN_BUILD_TESTS=ON

run:
	@$(call install_missing,$(GAME_PACKAGES))
	@$(configure_game)
	cmake --build $(BUILD) --target vorlin
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "vorlin: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start the game from a desktop session (X11 or Wayland): make run, or $(BUILD)/vorlin"; \
	  exit 1; fi
	$(BUILD)/vorlin

test:
	@$(call install_missing,$(GAME_PACKAGES) $(PACKAGE_PACKAGES) $(TEST_PACKAGES))
	@$(configure_tests)
	cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure --timeout 600 -j2
	@[ -f $(SANITIZE_BUILD)/build.ninja ] || cmake -S . -B $(SANITIZE_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIN_CORE_ONLY=ON -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && ctest -L unit --output-on-failure --timeout 600 -j2

fuzz:
	@$(call install_missing,$(GAME_PACKAGES) $(TEST_PACKAGES))
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIN_CORE_ONLY=ON -DVORLIN_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) --target fuzzers
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target $(FUZZ_BUILD)/crashes && \
	  echo "== $$target: $(FUZZ_SECONDS) s" && \
	  $(FUZZ_BUILD)/tests/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$$target- \
	    $(FUZZ_BUILD)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

bench:
	@$(call install_missing,$(GAME_PACKAGES) $(TEST_PACKAGES))
	@$(configure_tests)
	cmake --build $(BUILD) --target bench

install:
	@$(call install_missing,$(GAME_PACKAGES))
	@$(configure_game)
	cmake --build $(BUILD) --target vorlin_installed_files
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/vorlin_<version>-<revision>_<arch>.deb, built by CPack from the
# install rules; only what the package holds is built for it.
package:
	@$(call install_missing,$(GAME_PACKAGES) $(PACKAGE_PACKAGES))
	@$(configure_game)
	cmake --build $(BUILD) --target vorlin_installed_files
	cd $(BUILD) && cpack

screenshots:
	@$(call install_missing,$(GAME_PACKAGES) $(TEST_PACKAGES))
	@$(configure_game)
	cmake --build $(BUILD) --target screenshots
