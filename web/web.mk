# SPDX-License-Identifier: MIT
# The browser edition's build, run by tools/build_web.sh from the project
# folder: the core and the page's entry compiled for WebAssembly into
# build-web/obj/, linked into build-web/site/ beside the page's files; with
# the target "tests", the core's unit tests for WebAssembly in build-web/tests/.
OUT := build-web
OBJ := $(OUT)/obj
SITE := $(OUT)/site

# The core sources the page needs: every rule of what it shows.
CORE := plot/clearing.cpp plot/commands.cpp plot/function_table.cpp plot/navigation.cpp plot/numtext.cpp \
  plot/picture_drawing.cpp plot/ports.cpp plot/raster.cpp plot/readout.cpp plot/render.cpp plot/view.cpp \
  functionlist/function_row.cpp functionlist/sum.cpp \
  functionsets/function_set.cpp functionsets/load_save.cpp functionsets/load_session.cpp \
  picture/picture_description.cpp picture/picture_export.cpp \
  settings/color_clash.cpp settings/preview.cpp settings/setting_names.cpp settings/setting_table.cpp \
  settings/settings_editor.cpp settings/settings_file.cpp settings/settings_record.cpp \
  startup/clock.cpp startup/startup.cpp export/set_export.cpp main/wheel_notches.cpp

# The same exact double arithmetic as the desktop build; the C++ library's
# missing double conversions come from web/charconv_double.h.
CXXFLAGS := -std=c++20 -O2 -ffp-contract=off -Wall -Wextra -Wpedantic -I. -include web/charconv_double.h -MMD -MP
ifeq ($(GRAFOLIN_WARNINGS_AS_ERRORS),ON)
CXXFLAGS += -Werror
endif

obj = $(patsubst %.cpp,$(OBJ)/%.o,$(1))
CORE_OBJ := $(call obj,$(CORE))
PAGE_FILES := $(SITE)/index.html $(SITE)/style.css $(SITE)/app.js

.PHONY: site tests
site: $(SITE)/grafolin.js $(PAGE_FILES)

$(OBJ)/%.o: %.cpp web/charconv_double.h
	@mkdir -p $(dir $@)
	@echo "  em++ $<"
	@em++ $(CXXFLAGS) -c $< -o $@

$(SITE)/grafolin.js: $(CORE_OBJ) $(OBJ)/web/grafolin_web.o
	@mkdir -p $(SITE)
	@echo "  linking $@"
	@em++ -O2 -o $@ $^ \
	  -sMODULARIZE=1 -sEXPORT_NAME=createGrafolin -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 \
	  -sFILESYSTEM=0 -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,ccall \
	  -sEXPORTED_FUNCTIONS=_malloc,_free

$(SITE)/%: web/%
	@mkdir -p $(SITE)
	@cp $< $@

# The core's unit tests, with GoogleTest compiled from Debian's sources.
GTEST := /usr/src/googletest/googletest
TEST_SOURCES := $(filter-out $(WEB_TEST_EXCLUDE),$(wildcard tests/core/*.cpp)) tests/support/isolation.cpp
TEST_OBJ := $(call obj,$(TEST_SOURCES))
$(OBJ)/gtest-all.o: $(GTEST)/src/gtest-all.cc
	@mkdir -p $(dir $@)
	@echo "  em++ GoogleTest"
	@em++ -std=c++20 -O1 -I$(GTEST)/include -I$(GTEST) -c $< -o $@
# Tests compile faster at -O1; the core they test is the page's own -O2 build.
$(TEST_OBJ): CXXFLAGS += -O1 -I$(GTEST)/include -Wno-error
tests: $(OUT)/tests/core_tests.js
# The tests cover the whole core, also what the page does not use.
TEST_CORE_OBJ := $(CORE_OBJ) $(call obj,help/information_windows.cpp)
$(OUT)/tests/core_tests.js: $(TEST_OBJ) $(TEST_CORE_OBJ) $(OBJ)/gtest-all.o
	@mkdir -p $(dir $@)
	@echo "  linking $@"
	@em++ -O1 -o $@ $^ -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1 -sNODERAWFS=1 -sEXIT_RUNTIME=1

-include $(shell find $(OBJ) -name '*.d' 2>/dev/null)
