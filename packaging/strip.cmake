# Run by CPack after it installs the package's files and before it builds the .deb.
# Strips the programs as Debian's dh_strip does: all symbols, and the .comment and
# .note sections that name the compiler.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS files)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(NOT IS_SYMLINK "${file}" AND magic STREQUAL "7f454c46")
        execute_process(COMMAND "${CPACK_PLAKMUND_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
