# Quorvane.exe and the Win32 tests, cross-compiled with MinGW-w64.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500)
# Socket functions called by name, not through import pointers, so that the
# program's stand-ins in framework/LazyImports.cpp can answer the calls.
add_compile_definitions(WINSOCK_API_LINKAGE=)

# Static runtime: the executable needs nothing but Windows' own DLLs. The
# toolchains use the win32-thread runtime: the posix-thread one imports
# functions that Windows 2000 and XP lack.
add_link_options(-static -static-libgcc -static-libstdc++)

# Everything that needs Win32, shared by the program and its tests.
add_library(quorvane_win OBJECT
  ownmac/COwnMacDlg.cpp
  ownmac/OwnMacQuery.cpp
  app/CWakeApp.cpp
  app/CommandRun.cpp
  app/ConsoleOutput.cpp
  controls/CLinkStatic.cpp
  controls/CMacEdit.cpp
  controls/ClipboardText.cpp
  framework/Accessibility.cpp
  framework/CDialog.cpp
  framework/CLiveStatic.cpp
  framework/CRegKey.cpp
  framework/CWinApp.cpp
  framework/CWorker.cpp
  findpcs/CFindPcsDlg.cpp
  findpcs/FindPcs.cpp
  findpcs/ScanJob.cpp
  findpcs/NameLookups.cpp
  findpcs/ScanRun.cpp
  findpcs/SystemNeighbours.cpp
  app/CommandScan.cpp
  mypcs/CPcFile.cpp
  mypcs/CPcsDlg.cpp
  mypcs/CPcEditDlg.cpp
  mypcs/PcStateJob.cpp
  mypcs/PcSend.cpp
  app/CommandRunPcs.cpp
  framework/CWnd.cpp
  framework/MessageMap.cpp
  framework/SystemLibrary.cpp
  framework/WindowsVersion.cpp
  lastwake/EventLogReader.cpp
  lastwake/FirmwareWakeUpReader.cpp
  lastwake/LastWakeRecordReader.cpp
  lastwake/LastWakeWorker.cpp
  lastwake/LocalTimeText.cpp
  listener/CListenerDlg.cpp
  listener/CUdpListener.cpp
  listener/SimpleTcpipService.cpp
  net/AdapterList.cpp
  net/AdapterSend.cpp
  net/AddrInfoCompat.cpp
  net/CSystemInfo.cpp
  net/HostEntry.cpp
  net/MibTable.cpp
  net/DirectedSend.cpp
  net/SendResult.cpp
  net/SystemAdapterFacts.cpp
  netcheck/CNetCheckDlg.cpp
  netcheck/CheckFactsReader.cpp
  netcheck/ThisPcReport.cpp
  netcheck/WakeSettingsReader.cpp
  power/DevicePowerReader.cpp
  power/PowerStatesReader.cpp
  wakewait/ArpCache.cpp
  wakewait/CWakeWaitDlg.cpp
  wakewait/EchoProbe.cpp
  wakewait/NeighbourProbe.cpp
  wakewait/ProbeWorker.cpp
  wakewait/WaitPump.cpp
  wakewait/WakeSend.cpp
  net/WinsockResolver.cpp
  net/WinsockStartup.cpp
  text/AnsiText.cpp
  text/ControlTexts.cpp
  wol/CMacErrorDlg.cpp
  wol/CNoticeDlg.cpp
  wol/CSendErrorDlg.cpp
  wol/CSentNoticeDlg.cpp
  wol/CWakeDlg.cpp
  net/WinsockLayer.cpp
)
target_include_directories(quorvane_win PUBLIC ${CMAKE_SOURCE_DIR})

set(QUORVANE_RC ${CMAKE_SOURCE_DIR}/res/Quorvane.rc)
set_property(SOURCE ${QUORVANE_RC} APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/BRVT.lng ${CMAKE_SOURCE_DIR}/res/Quorvane.ico ${CMAKE_SOURCE_DIR}/res/Quorvane.manifest
  ${CMAKE_SOURCE_DIR}/res/resource.h ${CMAKE_SOURCE_DIR}/res/version.h)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res")

# The program links stand-ins that load ws2_32.dll and iphlpapi.dll at their
# first call; the tests link the real import libraries.
add_executable(Quorvane WIN32 framework/AppEntry.cpp framework/LeanRuntime.cpp framework/LazyImports.cpp ${QUORVANE_RC})
target_link_libraries(Quorvane PRIVATE quorvane_win quorvane_core)
# No time stamp in the PE header, so that two builds of one commit are the
# same bytes wherever and whenever they are made, and a user can compare a
# copy with a build of the sources.
target_link_options(Quorvane PRIVATE -municode $<$<CONFIG:Release>:-s> -Wl,--gc-sections -Wl,--no-insert-timestamp
  -Wl,-Map=$<TARGET_FILE_DIR:Quorvane>/Quorvane.map)
add_custom_command(TARGET Quorvane POST_BUILD VERBATIM
  COMMAND ${CMAKE_COMMAND} -DMAP=$<TARGET_FILE_DIR:Quorvane>/Quorvane.map -P ${CMAKE_SOURCE_DIR}/cmake/LeanRuntimeCheck.cmake)

# Lean: optimised for size, as far as the compiler goes (the program's speed
# is the system's, not its own code's), every function or datum that nothing uses dropped at the link, no
# unwind tables: our code throws nothing and catches nothing, so an
# exception from the runtime ends the process with or without them; and no
# run-time type information, which nothing asks for (no dynamic_cast, no
# typeid) and which cost some 8 KB of type names and the runtime's casts.
foreach(target quorvane_core quorvane_win Quorvane)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:$<$<CONFIG:Release>:-Oz>
    -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables>)
endforeach()

add_subdirectory(bench)

# The product's imports and manifest, read from the file: needs no Windows to
# run, so it runs on every build machine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME product_pe_checks
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/static/pe_test.sh ${CMAKE_OBJDUMP}
            $<TARGET_FILE:Quorvane> ${CMAKE_SOURCE_DIR}/tests/static/allowed-imports.txt)
  add_test(NAME reproducible_build
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/static/reproducible_build.sh ${CMAKE_SOURCE_DIR} ${CMAKE_TOOLCHAIN_FILE}
            $<TARGET_FILE:Quorvane>)
  set_tests_properties(reproducible_build PROPERTIES TIMEOUT 600)
  add_test(NAME include_directions COMMAND bash ${CMAKE_SOURCE_DIR}/tests/static/include_directions.sh ${CMAKE_SOURCE_DIR})
  # A message-map entry naming another class's member must not compile.
  add_test(NAME wrong_map_entry_does_not_compile
    COMMAND ${CMAKE_CXX_COMPILER} -std=c++17 -fsyntax-only -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN
            -I${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/static/WrongMapEntry.cpp)
  set_tests_properties(wrong_map_entry_does_not_compile PROPERTIES
    PASS_REGULAR_EXPRESSION "a message-map entry must name a member of its own class or of a base")
endif()

set(QUORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Win32 tests")
# Off where this build's programs cannot run here: the test programs are still
# built, but CTest neither lists nor runs them.
option(QUORVANE_WINE_TESTS "Register the Win32 tests with CTest (they run under Wine)" ON)
if(EXISTS ${QUORVANE_GTEST_SOURCE}/CMakeLists.txt)
  add_subdirectory(tests/wine)
else()
  message(STATUS "No GoogleTest sources at ${QUORVANE_GTEST_SOURCE}: building the program only")
endif()
