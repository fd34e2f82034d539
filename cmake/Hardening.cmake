# Debian's hardening flags, as its package builds get them (dpkg-buildflags): fortified C
# library calls, stack protector, read-only relocations bound at start. The build type keeps
# its own optimisation and debug options; the sanitizer and fuzz builds stay as they are.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT LUMIVANE_SANITIZE AND NOT LUMIVANE_FUZZ)
    set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
        set(hardening_${kind} ${flags})
    endforeach()
    target_compile_options(lumivane_options INTERFACE ${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
    target_link_options(lumivane_options INTERFACE ${hardening_LDFLAGS})
    message(STATUS "Hardening: ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS}")
endif()
