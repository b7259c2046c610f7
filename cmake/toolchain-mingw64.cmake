# Cross-compiles for 64-bit Windows. Not a product: this sibling of the 32-bit
# build exists so that every Wine test can run on machines whose kernel
# cannot execute 32-bit code (64-bit Wine still works there). Same sources,
# same options, no behaviour of its own.
set(QUORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR wine64)
