# make run: install what is missing, build, start Quillet.
# make test: install what is missing, build, run the whole test suite.
# make package: install what is missing, build, pack build/quillet_*.deb.
# make test5: the same build and suite on Qt 5.15 (in build-qt5).
# make win32, make win64: the Windows program for 32-bit or 64-bit Windows, in build-win32 or
# build-win64: the folder Quillet, its zip and the setup program.
# make test-win32, make test-win64: the same, then its test suite and the setup program's
# tests under Wine (the 32-bit ones where the machine can run them).
# make check-sanitize: the Qt 5.15 suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize); the first finding fails its test.
# make fuzz: the fuzz targets, in the same build with clang's libFuzzer, each run for
# FUZZ_SECONDS.
BUILD ?= build
BUILD5 ?= build-qt5
BUILDSAN ?= build-sanitize
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= encoding colouring tagmatch completion recovery find commandline words
JOBS ?= 2

.PHONY: all deps build run test bench package clean deps5 build5 test5 win32 test-win32 \
	win64 test-win64 check-sanitize fuzz

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
# costs on a desktop; the offscreen platform shows them for nothing. PAGE=file measures
# that page alone.
bench: build
	if command -v xvfb-run >/dev/null; then \
		xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench/quillet_bench $(PAGE); \
	else \
		QT_QPA_PLATFORM=offscreen $(BUILD)/bench/quillet_bench $(PAGE); \
	fi

deps5:
	@sh scripts/install-deps.sh qt5

build5: deps5
	cmake -S . -B $(BUILD5) -DQUILLET_QT=5 -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD5) -j$(JOBS)

test5: build5
	cd $(BUILD5) && ctest --output-on-failure -j$(JOBS)

# With clang, whose UndefinedBehaviorSanitizer knows more than GCC's; without debug
# information and at -O1, so that the build costs about what a plain one does.
configure-sanitize = cmake -S . -B $(BUILDSAN) -DQUILLET_QT=5 -DQUILLET_SANITIZE=ON \
	-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG"

check-sanitize:
	@sh scripts/install-deps.sh sanitize
	$(configure-sanitize)
	cmake --build $(BUILDSAN) -j$(JOBS)
	cd $(BUILDSAN) && ctest --output-on-failure -j$(JOBS)

fuzz:
	@sh scripts/install-deps.sh sanitize
	$(configure-sanitize)
	cmake --build $(BUILDSAN) -j$(JOBS) --target fuzz_targets
	sh scripts/fuzz.sh $(BUILDSAN) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

win32:
	bash scripts/build-windows.sh 32

test-win32:
	bash scripts/build-windows.sh 32 test

win64:
	bash scripts/build-windows.sh 64

test-win64:
	bash scripts/build-windows.sh 64 test

clean:
	rm -rf $(BUILD) $(BUILD5) $(BUILDSAN) build-win32 build-win64
