# The Windows programs: each carries the program's icon and its version information.
function(plakmund_windows_resources target description)
    set(PLAKMUND_RC_NAME ${target})
    set(PLAKMUND_RC_DESCRIPTION ${description})
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

plakmund_windows_resources(plakmund "Plakmund: C64 cartridge games into one EPROM image")
plakmund_windows_resources(plakmund-build "Plakmund's EPROM image build from a set file")
# The window is a Windows program with no console of its own.
set_target_properties(plakmund PROPERTIES WIN32_EXECUTABLE ON)
