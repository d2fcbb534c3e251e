# The hardening a Debian package build gets from dpkg-buildflags, for every other build too, so
# that what the tests run is what is shipped: a stack protector, checked string and memory
# functions (they need an optimized build, and stay out of the sanitizer build, whose own
# checks they would hide), stack clash protection, relocations bound at start and then made
# read-only, and compressed debug information. Each only where the compiler and linker take it.
# The package build switches this off: its flags come from dpkg-buildflags.
option(CALVORO_HARDENING "Build with the usual hardening flags" ON)
if(NOT CALVORO_HARDENING)
  return()
endif()

include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

foreach(flag -fstack-protector-strong -fstack-clash-protection -gz)
  string(MAKE_C_IDENTIFIER "CALVORO_CXX${flag}" var)
  check_cxx_compiler_flag(${flag} ${var})
  if(${var})
    add_compile_options(${flag})
  endif()
endforeach()
if(NOT CALVORO_SANITIZE)
  # A compiler may define it already, with another level.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>"
                      "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
endif()

foreach(flag LINKER:-z,relro LINKER:-z,now -gz)
  string(MAKE_C_IDENTIFIER "CALVORO_LD${flag}" var)
  check_linker_flag(CXX ${flag} ${var})
  if(${var})
    add_link_options(${flag})
  endif()
endforeach()
