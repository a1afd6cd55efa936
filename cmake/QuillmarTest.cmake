# quillmar_add_test(<name> [PURE] SOURCES <files...> LIBS <targets...> [TIMEOUT <s>])
# One GoogleTest executable; its cases are listed at test time (not at build
# time) and run headless in fresh XDG folders made by the test support main.
# PURE tests link no Qt at all (the engine and the generators).
function(quillmar_add_test name)
  cmake_parse_arguments(T "PURE" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_PURE)
    target_link_libraries(${name} PRIVATE qm_testsupport_pure ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE qm_testsupport_qt ${T_LIBS})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLMAR_SOURCE_DIR=${PROJECT_SOURCE_DIR};QUILLMAR_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
