# The two commands of the README: `make test` and `make demo`.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
LINK_CHECK_DIR ?= build-link-check
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= host_answers profile_file record_file sheet_rows tool_report \
	toolpath_report
CMAKE_GENERATOR ?= Ninja
# WERROR=ON turns every compiler warning into an error (.ci/run does, for
# Linux), WERROR=OFF back; unset, the build folder keeps what it had.
WERROR ?=
ORVALIS_WERROR_OPTION = $(if $(WERROR),-DORVALIS_WERROR=$(WERROR))

.PHONY: all setup configure build test demo sanitize fuzz package clean hostile link-check \
	format format-check lint

all: build

setup:
	scripts/setup

configure: setup
	cmake -S . -B $(BUILD_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		$(ORVALIS_WERROR_OPTION)

build: configure
	cmake --build $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $$(nproc)

# The typical run on the bundled sample project, self-contained in
# ./orvalis-demo: its own data folder under drives/, the setup sheet, the
# picture workbook and one NC file per toolpath beside it. The workbooks of
# the run before stay, so that a run after a toolpath was edited in the
# project (sim/sample-project.json, or DEMO_PROJECT=FILE) marks on the new
# setup sheet what changed since.
DEMO_DIR ?= orvalis-demo
DEMO_PROJECT ?=
DEMO_ENV = ORVALIS_DRIVES=$(abspath $(DEMO_DIR))/drives ORVALIS_HOST=sim$(if $(DEMO_PROJECT),:$(abspath $(DEMO_PROJECT)))
DEMO_DAT = $(DEMO_DIR)/drives/c/TARVEL/ORVALIS/DAT FILE
demo: build
	mkdir -p $(DEMO_DIR)
	find $(DEMO_DIR) -mindepth 1 -maxdepth 1 ! -name '*.xlsx' -exec rm -rf {} +
	$(DEMO_ENV) $(BUILD_DIR)/src/cli/orvalis-cli settings > /dev/null
	cp sim/sample-tool-assemblies.DAT "$(DEMO_DAT)/공구DATA.DAT"
	$(DEMO_ENV) $(BUILD_DIR)/src/cli/orvalis-cli run --folder $(DEMO_DIR) --collision \
		--prefix T --company "(주)한국정밀" --item "금형 인서트" --force

# orvalis-cli against hostile and careless input, family by family
# (scripts/hostile/); also one of the tests of `make test`.
hostile: build
	scripts/hostile-run $(BUILD_DIR)/src/cli/orvalis-cli

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	cmake -S . -B $(SANITIZE_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
		-DORVALIS_SANITIZE=ON -DORVALIS_BUILD_BENCH=OFF \
		$(ORVALIS_WERROR_OPTION)
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $$(nproc)

# Every room of src/ as a shared library linked with --no-undefined: a room
# that calls into one it does not name fails here, though it links in the
# static build. Builds the rooms only, without optimisation.
link-check: setup
	cmake -S . -B $(LINK_CHECK_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
		-DORVALIS_LINK_CHECK=ON -DORVALIS_BUILD_TESTS=OFF -DORVALIS_BUILD_BENCH=OFF
	cmake --build $(LINK_CHECK_DIR) --target orvalis_rooms

# The libFuzzer targets, built with clang in a folder of their own and run for
# FUZZ_SECONDS each (FUZZ_TARGETS picks some).
fuzz: setup
	cmake -S . -B $(FUZZ_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DORVALIS_FUZZ=ON -DORVALIS_BUILD_GUI=OFF \
		-DORVALIS_BUILD_TESTS=OFF -DORVALIS_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) --target orvalis_fuzz_targets
	fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Every C++ file formatted by the repository's .clang-format (clang-format
# 14); format-check changes nothing and fails, naming each file that differs.
FORMAT_FILES = $(shell find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \))
format:
	@echo "clang-format -i: $(words $(FORMAT_FILES)) files"
	@clang-format -i $(FORMAT_FILES)
format-check:
	@echo "clang-format --dry-run -Werror: $(words $(FORMAT_FILES)) files"
	@clang-format --dry-run -Werror $(FORMAT_FILES)

# clang-tidy's checks (.clang-tidy) over src/, simulated host included,
# with the compile commands of the build folder; compiler warnings are the
# build's business, not lint's (-Wno-error).
lint: configure
	run-clang-tidy -p $(BUILD_DIR) -j 2 -quiet -extra-arg=-Wno-error '^$(CURDIR)/src/'

# A Debian package of both programs, the shipped data, the sample project,
# the desktop entry and the icon.
package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(LINK_CHECK_DIR)
-include windows.mk
