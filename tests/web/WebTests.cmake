# The browser version's tests: the rules' tests compiled by emscripten and run
# under node, and the page played in headless Chromium.
# GoogleTest built from Debian's sources, without threads, which the page has not.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Test programs run under node (the toolchain's emulator), which ends with
# their status; node 18 and later have fetch, which cannot read a local file,
# so the WebAssembly is compiled from the file at once.
add_link_options(-sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1
                 -sALLOW_MEMORY_GROWTH=1)
