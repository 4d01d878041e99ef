# 64-bit Arm Linux with Debian's cross compiler (g++-aarch64-linux-gnu). The
# tests run under qemu-user on the Arm C and C++ libraries of Debian's arm64
# archive (libc6:arm64, libstdc++6:arm64), installed beside the host's as
# multiarch, so qemu's root is "/": the cross C library has no iconv modules
# (no code page 932), and its loader must not meet the arm64 C library.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(PERUKA_CROSS_SYSROOT /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH ${PERUKA_CROSS_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
