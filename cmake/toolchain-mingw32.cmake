# Cross-compiles the product, Quorvane.exe, for 32-bit Windows.
set(QUORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

# Everything runs under Wine when it has to run on the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
