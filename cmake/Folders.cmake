# esc_library(NAME FOLDER DEPS...): a static library of every .cpp in FOLDER
# (sub-folders included). A folder without sources yet becomes an interface
# library, so that dependents link the same way before and after it fills.
function(esc_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.c)
  list(FILTER sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${folder}/main/")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN} Threads::Threads)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN} Threads::Threads)
  endif()
endfunction()

# esc_test(NAME FOLDER DEPS... [ALONE TEST...] [ONE_PROCESS_EACH]): one
# GoogleTest executable of every .cpp in tests/FOLDER, registered with CTest.
# Tests run from the build folder, beside the copied resources.
#
# Starting a test process costs more than most tests (the sanitizers map
# their shadow memory, GTK and fontconfig start), so the program's tests run
# in a few processes that share them out (GoogleTest's sharding: test i of
# the program goes to shard i modulo the count), one ctest test each, named
# NAME/INDEX. The tests listed after ALONE run in a process of their own under
# their own name (for settings of their own, set in tests/CMakeLists.txt);
# with ONE_PROCESS_EACH every test does (for tests that make a process-wide
# object once). With DISPLAY_OF_ITS_OWN the program's processes run while no
# other test runs (its windows must not lose the activation to the windows
# other tests open meanwhile).
function(esc_test name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "ONE_PROCESS_EACH;DISPLAY_OF_ITS_OWN" "" "ALONE")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  # Every test program starts in tests/support/main/test_main.cpp, which
  # gives the process and each test a temporary folder of its own.
  add_executable(${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/main/test_main.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS} GTest::gmock GTest::gtest)
  target_compile_definitions(${name} PRIVATE
    ESCTOOL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ESCTOOL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # Each test carries its program's name as a label (ctest -L test_files).
  if(arg_ONE_PROCESS_EACH)
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                         DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 LABELS ${name})
    return()
  endif()
  foreach(test ${arg_ALONE})
    add_test(NAME ${test} COMMAND ${name} --gtest_filter=${test} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${test} PROPERTIES TIMEOUT 300 LABELS ${name})
  endforeach()
  set(filter "*")
  if(arg_ALONE)
    list(JOIN arg_ALONE ":" alone)
    set(filter "*-${alone}")
  endif()
  # About four source files of tests to a process, at most eight processes.
  list(LENGTH sources count)
  math(EXPR shards "(${count} + 3) / 4")
  if(shards GREATER 8)
    set(shards 8)
  endif()
  math(EXPR last "${shards} - 1")
  foreach(index RANGE ${last})
    add_test(NAME ${name}/${index} COMMAND ${name} --gtest_filter=${filter} --gtest_brief=1
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name}/${index} PROPERTIES TIMEOUT 1500 LABELS ${name}
      ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}")
    if(arg_DISPLAY_OF_ITS_OWN)
      set_tests_properties(${name}/${index} PROPERTIES RUN_SERIAL TRUE)
    endif()
  endforeach()
endfunction()

# Copies resources/ beside the program so that it runs from the build tree as
# from an installed folder.
function(esc_copy_resources target)
  add_custom_target(${target}_resources ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory
            ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}
    COMMENT "Copying resources beside the program")
  add_dependencies(${target} ${target}_resources)
endfunction()

# esc_link_back(NAME DEPS...): NAME also builds on DEPS, for libraries that
# refer to one another (the main window's methods across folders).
function(esc_link_back name)
  get_target_property(type ${name} TYPE)
  foreach(dep ${ARGN})
    get_target_property(dep_type ${dep} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" AND dep_type STREQUAL "STATIC_LIBRARY")
      target_link_libraries(${name} PUBLIC ${dep})
    endif()
  endforeach()
  # A member pulled from one library late in the link line may need members of
  # the others again: repeat the cycle often enough for the linker to close it.
  if(type STREQUAL "STATIC_LIBRARY")
    set_property(TARGET ${name} PROPERTY LINK_INTERFACE_MULTIPLICITY 4)
  endif()
endfunction()

# esc_object_stream(TARGET NAME TEXTFILE): builds the object stream authored as
# text in TEXTFILE into TARGET, in binary form, as the resource NAME (read it
# with TResourceStream(NAME)). The conversion runs at build time (zrstream),
# after a strict read: an unknown class, property or value fails the build.
# For a static library, the programs that link it get the resource.
# Further arguments name the files the text form takes in (sheets, pictures).
function(esc_object_stream target name textfile)
  # One copy per target, so that a program and its tests can embed the same stream.
  set(out ${CMAKE_BINARY_DIR}/generated/object_streams/${target}/${name}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/object_streams/${target}
    COMMAND zrstream embed ${name} ${textfile} ${out}
    DEPENDS zrstream ${textfile} ${ARGN}
    COMMENT "Object stream ${name} from its text form")
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    # The linker drops an unreferenced member of a static library, and with it
    # the resource's registration: every program linking TARGET compiles the
    # source itself instead.
    add_custom_target(${target}_${name}_stream DEPENDS ${out})
    add_dependencies(${target} ${target}_${name}_stream)
    target_sources(${target} INTERFACE ${out})
  else()
    target_sources(${target} PRIVATE ${out})
  endif()
endfunction()

# esc_check_object_streams(TARGET): the forms (*.zrform) and style sheets
# (*.zrstyle) authored as text under resources/ are read strictly before
# TARGET builds: an unknown class, property or value fails the build with the
# file and line (zrstream check).
function(esc_check_object_streams target)
  file(GLOB_RECURSE streams CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/resources/*.zrform ${CMAKE_SOURCE_DIR}/resources/*.zrstyle)
  if(NOT streams)
    return()
  endif()
  set(stamp ${CMAKE_BINARY_DIR}/generated/object_streams_checked.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND zrstream check ${streams}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS zrstream ${streams}
    COMMENT "Checking the authored forms and style sheets")
  add_custom_target(${target}_object_streams DEPENDS ${stamp})
  add_dependencies(${target} ${target}_object_streams)
endfunction()
