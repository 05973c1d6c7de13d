# Gnamm: `make test` sets up a fresh Debian 12 machine, builds everything and runs the tests.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: test deps configure build clean play package

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Without a display there is nothing to play on: said in one line, before any set-up.
ifneq ($(filter play,$(MAKECMDGOALS)),)
ifeq ($(strip $(DISPLAY)$(WAYLAND_DISPLAY)),)
$(error no display to open the game window on: run make play in a desktop session)
endif
endif

# Installs what is missing, builds the game with its assets and starts it.
play: configure
	cmake --build $(BUILD) -j$(JOBS) --target gnamm_playable
	@$(BUILD)/gnamm

# The Debian package, gnamm_VERSION_ARCH.deb, here: the game, its assets and pages built first,
# then packed (not the tests).
package: configure
	cmake --build $(BUILD) -j$(JOBS) --target gnamm_packaged
	rm -f $(BUILD)/gnamm_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/gnamm_*.deb .

clean:
	rm -rf $(BUILD)
