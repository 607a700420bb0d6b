# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORRERY_MINGW_TRIPLET x86_64-w64-mingw32)
# The -posix compilers: their threads are winpthreads, which std::thread and std::mutex need.
set(CMAKE_C_COMPILER ${ORRERY_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORRERY_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORRERY_MINGW_TRIPLET}-windres)

# Libraries and headers come from the mingw-w64 sysroot and the freeglut built for it, never from
# the build machine; programs (compilers, makensis) do.
get_filename_component(_orrery_default_freeglut "${CMAKE_CURRENT_LIST_DIR}/../build-windows/freeglut"
                       ABSOLUTE)
set(ORRERY_FREEGLUT_PREFIX "${_orrery_default_freeglut}"
    CACHE PATH "Where freeglut for Windows is installed (scripts/build-windows builds it there)")
# CMake's compiler checks read this file again in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORRERY_FREEGLUT_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${ORRERY_MINGW_TRIPLET} "${ORRERY_FREEGLUT_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
