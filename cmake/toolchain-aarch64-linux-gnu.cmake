# Cross-compiles for 64-bit ARM Linux (arm64) with Debian's cross toolchain
# (crossbuild-essential-arm64), against the arm64 libraries installed beside the build machine's
# own: CMake finds them in the multiarch folders the compiler names (/usr/lib/aarch64-linux-gnu).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for arm64")

# ctest starts the test programs under Debian's user-mode emulator (qemu-user) where it is
# installed; the tests start the programs they drive through it too (tests/CMakeLists.txt).
find_program(ORRERY_QEMU_AARCH64 qemu-aarch64)
if(ORRERY_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${ORRERY_QEMU_AARCH64}")
endif()
