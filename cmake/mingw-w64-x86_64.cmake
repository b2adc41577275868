# Cross build for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix): the posix threading variant, so that
# std::thread and std::mutex work, and static linking, so that the
# executables need no DLLs beside them.
#
#   cmake -S . -B build-windows -G Ninja -DKVPM_GUI=OFF \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKVPM_GTEST_SOURCE_DIR=/usr/src/googletest

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KVPM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KVPM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVPM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KVPM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVPM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
