# Shared build rules of the suite: warnings, sanitizers, libraries and tests
# named by convention so that adding a source file needs no list edit.

function(kiv5_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

if(KIV5_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(kiv5_add_optional_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# kiv5_add_library(name LIBS dep...): a static library of every .cpp/.h below
# the current source folder.
function(kiv5_add_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(NOT sources MATCHES "\\.cpp")
    # Nothing to compile yet: a library of its dependencies only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  kiv5_warnings(${name})
endfunction()

# kiv5_add_tests(LIBS dep...): one test executable for every tst_*.cpp in the
# current source folder; other .cpp files of the folder are shared by them.
function(kiv5_add_tests)
  cmake_parse_arguments(ARG "" "LABEL" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  file(GLOB helpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(REMOVE_ITEM helpers ${tests})
  foreach(test ${tests})
    get_filename_component(name ${test} NAME_WE)
    add_executable(${name} ${test} ${helpers})
    target_link_libraries(${name} PRIVATE kiv5testsupport ${ARG_LIBS} Qt6::Test)
    kiv5_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
    if(ARG_LABEL)
      set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL})
    endif()
  endforeach()
endfunction()
