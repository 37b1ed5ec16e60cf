# Compiler settings shared by every target of the project.
add_library(vor_warnings INTERFACE)
target_compile_options(vor_warnings INTERFACE
  -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
if(VOR_WERROR)
  target_compile_options(vor_warnings INTERFACE -Werror)
endif()

if(VOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# vor_add_suite(NAME dir...): one GoogleTest program of every .cpp in the
# given folders under tests/, linked with the harness.
function(vor_add_suite name)
  set(srcs)
  foreach(dir ${ARGN})
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE vor_test_support GTest::gtest GTest::gtest_main vor_warnings)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
