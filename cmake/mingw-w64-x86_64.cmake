# Cross build of the native Windows game (64-bit) with mingw-w64, posix thread variant.
#
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The window icon is made from the game folder's Icon.bmp, which the host build's assetgen draws
# (build/game/Data/Icon.bmp by default; -DTALLIX_ICON_BMP=... names another). Without it the game
# is built without an icon resource and the class falls back to the system's default icon.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLIX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALLIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLIX_MINGW_TRIPLET}-windres)

# Headers and libraries of the target only; programs (the build tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TALLIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The icon is prepared once per configure of the real project, not for CMake's trial builds.
get_property(TALLIX_IN_TRY_COMPILE GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT TALLIX_IN_TRY_COMPILE)
  include(${CMAKE_CURRENT_LIST_DIR}/../tools/win32/WindowIcon.cmake)
endif()
