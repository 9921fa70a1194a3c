# Two commands set everything up on a fresh machine:
#   make demo   installs what is missing, builds, flies the default scenario into out/
#   make test   installs what is missing, builds, runs every test, then again
#               under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzzers

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 30
SCENARIO ?= scenarios/default.scn

.PHONY: demo test setup build check test-sanitize fuzz bench clean

# The cockpit's own WAV files are not ours to ship: the demo speaks and makes
# its sounds from the slot names, once, into the simulator folder. Each demo
# starts cold and dark: the cockpit the last demo saved is removed from its
# simulator folder (none on the first); the sound pack stays.
# The demo builds only what it runs: the module, the platform and simhost.
demo: setup
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@ninja -C build -j $(JOBS) halcyon simhost
	@[ ! -e out/root ] || tools/fresh_root.sh out/root
	@tools/make_sound_pack.sh out/root/Sound/HalcyonPro
	build/bin/simhost --scenario $(SCENARIO) --out out

test: check test-sanitize fuzz

setup:
	@tools/setup.sh

build: setup
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@ninja -C build -j $(JOBS)

# The tests once, in the ordinary build.
check: build
	ctest --test-dir build -j $(JOBS) --output-on-failure

test-sanitize: setup
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHALCYON_SANITIZE=ON -DHALCYON_BENCH=OFF >/dev/null
	@ninja -C build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan -j $(JOBS) --output-on-failure

fuzz: setup
	tools/run_fuzz.sh $(FUZZ_SECONDS)

# Only the benchmark program and the module it loads, not every test.
bench: setup
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@ninja -C build -j $(JOBS) halcyon_bench
	build/bin/halcyon_bench

clean:
	rm -rf build build-asan build-fuzz out
