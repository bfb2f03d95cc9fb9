# Cross build for Windows with the posix-thread variant of mingw-w64 (the
# win32 variant has no std::thread). TESSEL_ARCH picks the architecture:
# x86 (32-bit, dist/launcher.exe) or x64 (dist/launcher64.exe). Everything
# else that differs between the two is derived from it here.
set(TESSEL_ARCH x86 CACHE STRING "Windows architecture: x86 or x64")
set_property(CACHE TESSEL_ARCH PROPERTY STRINGS x86 x64)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESSEL_ARCH)

set(TESSEL_MINGW_x86 i686-w64-mingw32)
set(TESSEL_MINGW_x64 x86_64-w64-mingw32)
if(TESSEL_ARCH STREQUAL "x64")
  set(TESSEL_OTHER_ARCH x86)
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
elseif(TESSEL_ARCH STREQUAL "x86")
  set(TESSEL_OTHER_ARCH x64)
  set(CMAKE_SYSTEM_PROCESSOR i686)
else()
  message(FATAL_ERROR "TESSEL_ARCH must be x86 or x64, not '${TESSEL_ARCH}'")
endif()
set(TESSEL_MINGW ${TESSEL_MINGW_${TESSEL_ARCH}})
set(TESSEL_OTHER_MINGW ${TESSEL_MINGW_${TESSEL_OTHER_ARCH}})

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TESSEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSEL_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESSEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine through the one helper that knows the loaders.
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh ${TESSEL_ARCH})
