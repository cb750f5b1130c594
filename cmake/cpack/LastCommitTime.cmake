# Run by cpack before each package: the packages' time is SOURCE_DATE_EPOCH,
# or when that is not set the time of the last commit. CPack stamps the files in
# the zip and in the Debian package with it (the installer keeps no times).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CMAKE_CURRENT_LIST_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_failed ERROR_QUIET)
    if(git_failed OR NOT commit_time)
        message(WARNING "Not a git checkout and SOURCE_DATE_EPOCH is not set: "
                        "the packages carry the time they were made.")
    else()
        set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    endif()
endif()
