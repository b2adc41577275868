# Cross build for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix): the posix threading variant, so that
# std::thread and std::mutex work.
#
#   cmake -S . -B build-windows -G Ninja -DKVPM_GUI=OFF \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKVPM_GTEST_SOURCE_DIR=/usr/src/googletest
#
# The Qt program needs a Qt cross-built for Windows (tools/build-windows-qt.sh):
# KVPM_WINDOWS_QT names its folder.
#
#   cmake -S . -B build-windows-package -G Ninja -DBUILD_TESTING=OFF \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKVPM_WINDOWS_QT=$HOME/.cache/kvpm/qt-6.4.2-mingw

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

if(KVPM_WINDOWS_QT)
  # Found like mingw-w64's own files; its moc, rcc and uic are the machine's,
  # of the same version. The program shares the C++ runtime DLLs that Qt's
  # DLLs need anyway.
  list(APPEND CMAKE_FIND_ROOT_PATH ${KVPM_WINDOWS_QT})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
  # Linked statically, the test programs need no DLLs beside them.
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
