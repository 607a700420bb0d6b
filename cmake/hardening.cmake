# Debian's hardened build flags (dpkg-buildflags with hardening=+all) for the program's targets.
#
# Targets link `orrery_hardening`. It stays empty in the sanitizer build: AddressSanitizer's
# interceptors do not see the fortified copies of the C library's functions, and its own checks of
# the stack make the protector redundant.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_library(orrery_hardening INTERFACE)
# The browser build has none of these to gain: WebAssembly has no native stack to smash, no C
# library that fortifies and no ELF loader; the browser's sandbox holds it.
if(ORRERY_SANITIZE OR EMSCRIPTEN)
  return()
endif()

target_compile_options(orrery_hardening INTERFACE
  -fstack-protector-strong -Wformat -Werror=format-security)
# glibc only fortifies optimised code and warns otherwise. Some compilers (Ubuntu's) define their
# own level already, which a plain -D would redefine with a warning.
target_compile_options(orrery_hardening INTERFACE
  "$<$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

# The rest exists for ELF executables only: none of it would apply to a Windows build.
if(NOT WIN32)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  check_pie_supported(LANGUAGES CXX)
  # Stack clash probes and CET exist on some architectures only (-fcf-protection on x86).
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ORRERY_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      target_compile_options(orrery_hardening INTERFACE ${flag})
    endif()
  endforeach()
  target_link_options(orrery_hardening INTERFACE LINKER:-z,relro,-z,now)
else()
  # mingw-w64 keeps the stack protector's and the fortified functions' checks in libssp, which gcc
  # links (statically, as the Windows build links everything) when the flag is also given to it.
  target_link_options(orrery_hardening INTERFACE -fstack-protector-strong)
endif()
