# The protections Debian builds every package with (dpkg-buildflags), in every
# build of the Linux program: canaries on the stack, format strings checked,
# relocations read-only and bound before the game starts, a position-independent
# program, and in optimised builds libc's fortified calls (they need the
# optimiser).
#
# The Windows program keeps what its linker gives it (ASLR with high entropy,
# DEP). MinGW's stack protector and fortified calls come in libssp, which would
# import advapi32 for its canary, and the program imports only the system DLLs
# it cannot do without.
# A page's WebAssembly has no stack to smash nor relocations to protect.
if(WIN32 OR EMSCRIPTEN)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:-fstack-protector-strong;-Wformat;-Werror=format-security>"
    "$<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CONFIG:Release,RelWithDebInfo,MinSizeRel>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(LINKER:-z,relro,-z,now)
