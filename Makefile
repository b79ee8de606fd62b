# Vorlin: two commands on a fresh Debian machine.
#   make run   installs what is missing, builds, generates dati/ and starts the game
#   make test  the same set-up, then every test (unit, gui, e2e, package)

BUILD ?= build
PREFIX ?= /usr/local
# The core libraries and their unit tests again, with the address and undefined-behaviour checks.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# The libFuzzer programs (clang), each run for FUZZ_SECONDS from its committed corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := record_table record_template text_encoding
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libxrandr-dev libx11-dev \
	fonts-liberation2 googletest libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool imagemagick x11-xserver-utils xserver-xorg-core xserver-xorg-video-dummy \
	x11-utils desktop-file-utils util-linux time \
	pulseaudio pulseaudio-utils sox qt6-wayland weston clang libclang-rt-14-dev \
	lintian appstream dpkg-dev fakeroot man-db libsdl2-dev

.PHONY: run test fuzz bench install package screenshots deps build

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "vorlin: no display found (DISPLAY is not set); run it on a desktop, or headless with: xvfb-run -s '-screen 0 1024x768x24' $(BUILD)/vorlin"; \
	  exit 1; fi
	$(BUILD)/vorlin

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 600 -j2
	@[ -f $(SANITIZE_BUILD)/build.ninja ] || cmake -S . -B $(SANITIZE_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIN_CORE_ONLY=ON -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && ctest -L unit --output-on-failure --timeout 600 -j2

fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang++ (Debian package clang)"; exit 1; }
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

bench: build
	cmake --build $(BUILD) --target bench

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/vorlin_<version>_<arch>.deb, built by CPack from the install rules.
package: build
	cmake --build $(BUILD) --target package

screenshots: build
	cmake --build $(BUILD) --target screenshots

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

deps:
	@missing=$$(for p in $(PACKAGES); do \
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
