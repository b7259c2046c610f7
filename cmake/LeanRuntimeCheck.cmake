# Run after the program's link: cmake -DMAP=Quorvane.map -P LeanRuntimeCheck.cmake
# framework/LeanRuntime.cpp takes the place of runtime members that would pull
# in the demangler, the runtime's ready-made string blocks and the exception
# machinery with its unwinder (well over 200 KB, more than the rest of the
# program). A toolchain whose runtime stops letting them be replaced would
# bring all of it back without a word: fail instead.
file(READ "${MAP}" map)
set(unwanted cp-demangle.o functexcept.o string-inst.o wstring-inst.o cow-string-inst.o vterminate.o
  guard.o new_op.o eh_throw.o eh_personality.o unwind-dw2.o)
foreach(member ${unwanted})
  string(FIND "${map}" "(${member})" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "The C++ runtime's ${member} was linked into the program: framework/LeanRuntime.cpp "
                        "no longer replaces it with this toolchain, and the executable grows by well over 100 KB.")
  endif()
endforeach()
