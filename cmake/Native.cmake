# The platform-free logic's tests, built with the machine's own compiler.
if(QUORVANE_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(quorvane_core PUBLIC ${sanitizers})
  target_link_options(quorvane_core PUBLIC ${sanitizers})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
add_subdirectory(tests/native)

# Not a test: the adapter survey and its rules timed for many adapters
# (build/native/adapter_survey_bench prints what it measures).
add_executable(adapter_survey_bench bench/AdapterSurveyBench.cpp)
target_link_libraries(adapter_survey_bench PRIVATE quorvane_core)

# The set-up's decisions, with stand-ins for apt-get and dpkg: no root, no network.
add_test(NAME install_deps_decisions COMMAND bash ${CMAKE_SOURCE_DIR}/tests/setup/install_deps_test.sh)
