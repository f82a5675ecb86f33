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

# On a virtual display when there is one to be had: showing windows there costs what it
# costs on a desktop; the offscreen platform shows them for nothing.
bench: build
	if command -v xvfb-run >/dev/null; then \
		xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench/quillet_bench; \
	else \
		QT_QPA_PLATFORM=offscreen $(BUILD)/bench/quillet_bench; \
	fi

clean:
	rm -rf $(BUILD)
