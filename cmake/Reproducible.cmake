# The same commit builds the same bytes wherever and whenever it is built, so
# anyone can check that a published program or package came from its source.
#
# Optimised builds name no folder of the machine that built them: the source
# and build folders are written as "." and "build" in debugging information and
# file names (run gdb from the source folder to find the sources).
add_compile_options(
    "$<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CONFIG:Release,RelWithDebInfo,MinSizeRel>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.;-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# A Windows program carries no link time in its header.
if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
