# Compiler settings every target of the project links to.
add_library(lumivane_options INTERFACE)
target_compile_options(lumivane_options INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Werror>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /WX /utf-8>)
target_compile_definitions(lumivane_options INTERFACE
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(LUMIVANE_SANITIZE)
    target_compile_options(lumivane_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(lumivane_options INTERFACE -fsanitize=address,undefined)
endif()
if(LUMIVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "LUMIVANE_FUZZ needs clang (libFuzzer)")
    endif()
    # Every file gets the fuzzer's coverage hooks; only the fuzz targets link its main.
    target_compile_options(lumivane_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(lumivane_options INTERFACE -fsanitize=address,undefined)
endif()
