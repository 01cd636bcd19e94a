# Floating point must be plain IEEE double everywhere: the shown results sit
# on halfway cases, so a fused multiply-add or x87 extended precision would
# change the last digit from one build to the next.
if(MSVC)
  add_compile_options(/fp:precise /utf-8)
else()
  add_compile_options(-ffp-contract=off)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
endif()

if(MINGW)
  # MinGW's own printf and strtod: C99 formatting and correct rounding, the
  # same texts as glibc. Static runtime: the program needs no DLL beside it.
  add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Warnings for the project's own targets (not for third-party code).
add_library(bracing_warnings INTERFACE)
if(MSVC)
  target_compile_options(bracing_warnings INTERFACE /W4 /WX)
else()
  target_compile_options(bracing_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)
endif()

if(CMAKE_CROSSCOMPILING AND WIN32)
  set(BRACING_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${BRACING_WINE_PREFIX})
endif()
