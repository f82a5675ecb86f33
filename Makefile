# make run: install what is missing, build, start Quillet.
# make test: install what is missing, build, run the whole test suite.
# make package: install what is missing, build, pack build/quillet_*.deb.
BUILD ?= build
JOBS ?= 2

.PHONY: all deps build run test bench package clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/quillet

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/quillet_bench

clean:
	rm -rf $(BUILD)
