# Coverage-guided fuzzing of the platform-free rules with libFuzzer, built
# with clang and AddressSanitizer/UBSan. Each target is also a CTest test that
# fuzzes for QUORVANE_FUZZ_SECONDS from the seeds in tests/fuzz/corpus: a
# short guard in the test run; scripts/fuzz.sh makes the long runs.
set(QUORVANE_FUZZ_SECONDS 5 CACHE STRING "How long each fuzz test runs")
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(quorvane_core PUBLIC ${sanitizers} -fsanitize=fuzzer-no-link -g)
target_link_options(quorvane_core PUBLIC ${sanitizers})

foreach(target Mask MacText AdapterChoice LineBreaks MagicPacketMatch NetCheck Readiness WakeAndWait CommandLine PowerFacts SmbiosWakeUp NodeStatus ScanPlan PcList)
  set(name fuzz_${target})
  add_executable(${name} tests/fuzz/${target}Fuzz.cpp)
  target_link_libraries(${name} PRIVATE quorvane_core)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  # New inputs go to a scratch corpus; the committed seeds are only read.
  set(scratch ${CMAKE_BINARY_DIR}/corpus/${target})
  file(MAKE_DIRECTORY ${scratch})
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${QUORVANE_FUZZ_SECONDS} -print_final_stats=1
            ${scratch} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
endforeach()
