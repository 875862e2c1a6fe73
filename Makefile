# The two commands of the README, `make run` and `make test`, and `make package` for a school.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package bench screenshots format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/vindra

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD)/package, checked by lintian.
package: build
	rm -rf $(BUILD)/package
	cd $(BUILD) && cpack -G DEB -B "$(abspath $(BUILD))/package"
	lintian --fail-on error $(BUILD)/package/vindra_*.deb

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done
	@echo "== material build"; bash bench/material_build.sh

screenshots: build
	$(BUILD)/bin/vindra-screenshots $(BUILD)/screenshots 1024x768 1920x1080

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
