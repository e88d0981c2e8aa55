# Building for WebAssembly with Debian's emscripten (3.1.6, clang 14). The
# programs are run by node: ctest starts them through it, and they see the
# machine's real file system (the examples, the files the tests write).
# Exceptions are caught (the core throws on overflow and underflow); the
# exit status of main is the process's.
find_program(LINEER_EMCC emcc REQUIRED)
execute_process(COMMAND em-config EMSCRIPTEN_ROOT OUTPUT_VARIABLE LINEER_EMSCRIPTEN_ROOT
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT EXISTS "${LINEER_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake")
  set(LINEER_EMSCRIPTEN_ROOT /usr/share/emscripten)
endif()

# node 20 runs emscripten 3.1.6's output only without its own fetch.
find_program(LINEER_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${LINEER_NODE};--no-experimental-fetch" CACHE STRING "" FORCE)

include(${LINEER_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sNODERAWFS=1")
# The linker's JavaScript optimiser needs Debian's node modules (acorn),
# which a node from elsewhere does not look for.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
endif()
