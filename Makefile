# make test            set up, build and run the whole suite
# make run [FILE=path] set up, build and start the program
# make test-asan       the whole suite under AddressSanitizer and UBSan
# make fuzz            libFuzzer smoke runs of the fuzz targets (clang)
# make bench           benchmarks, Release build, ratios to their floors
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: setup configure build test run test-asan fuzz bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	./$(BUILD)/vantrel $(if $(FILE),"$(FILE)")

test-asan:
	@$(MAKE) --no-print-directory test BUILD=$(BUILD)-asan \
	  CMAKE_FLAGS="$(CMAKE_FLAGS) -DVANTREL_SANITIZE=ON"

fuzz: setup
	@cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++-14 -DVANTREL_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS)
	cd $(BUILD)-fuzz && ctest --output-on-failure -j $(JOBS)

bench: setup
	@bash bench/run.sh

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
