# Build helpers shared by every folder.

# Adds each listed folder that has a CMakeLists.txt.
function(qelt_add_folders)
  foreach(folder IN LISTS ARGN)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      add_subdirectory(${PROJECT_SOURCE_DIR}/${folder} ${PROJECT_BINARY_DIR}/${folder})
    endif()
  endforeach()
endfunction()

# The .cpp files of the current folder and its subfolders, less those of a subfolder with a
# CMakeLists.txt of its own: that subfolder is a folder of its own.
function(qelt_folder_sources out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list_file IN LISTS nested)
    get_filename_component(folder ${list_file} DIRECTORY)
    foreach(source IN LISTS sources)
      string(FIND "${source}" "${folder}/" position)
      if(position EQUAL 0)
        list(REMOVE_ITEM sources ${source})
      endif()
    endforeach()
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# A platform layer: one shared library of the folder's sources, so that the host program and the
# dlopen'ed module share one copy of its state (window tree, registry, resource handle).
#   qelt_platform_library(NAME [HEADER_ONLY] [LIBS lib…])
function(qelt_platform_library name)
  cmake_parse_arguments(ARG "HEADER_ONLY" "" "LIBS" ${ARGN})
  if(ARG_HEADER_ONLY)
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} SHARED ${sources})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# A folder of the module: an object library that joins the one shared module library.
#   qelt_module_folder(NAME [LIBS lib…])
function(qelt_module_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  qelt_folder_sources(sources)
  add_library(${name} OBJECT ${sources})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  set_property(GLOBAL APPEND PROPERTY QELT_MODULE_FOLDERS ${name})
endfunction()

# The module: every module folder's objects in one shared library, libqeltrc.so.
function(qelt_add_module)
  get_property(folders GLOBAL PROPERTY QELT_MODULE_FOLDERS)
  if(NOT folders)
    return()
  endif()
  set(objects)
  foreach(folder IN LISTS folders)
    list(APPEND objects $<TARGET_OBJECTS:${folder}>)
  endforeach()
  add_library(qeltrc SHARED ${objects})
  target_link_libraries(qeltrc PUBLIC ${folders})
endfunction()

# One test executable for a folder of tests: every .cpp below it, with the shared test support.
#   qelt_test(NAME [LIBS lib…])
function(qelt_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  qelt_folder_sources(sources)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE qelt_testsupport ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QELT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# Compiles resource scripts (UTF-8, see platform/mfc/rc/Parser.h) into a target: the generated
# tables register under the binary's own module handle. #include "…" is searched beside the script,
# then at the repository root and in INCLUDE_DIRS. A malformed script fails the build with
# file:line and a message.
#   qelt_add_resources(TARGET script.rc… [INCLUDE_DIRS folder…])
function(qelt_add_resources target)
  cmake_parse_arguments(ARG "" "" "INCLUDE_DIRS" ${ARGN})
  set(scripts)
  foreach(script IN LISTS ARG_UNPARSED_ARGUMENTS)
    get_filename_component(path ${script} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND scripts ${path})
  endforeach()
  set(includes -I ${PROJECT_SOURCE_DIR})
  foreach(folder IN LISTS ARG_INCLUDE_DIRS)
    list(APPEND includes -I ${folder})
  endforeach()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND qelt_rc -o ${output} -d ${output}.d ${includes} ${scripts}
    DEPENDS qelt_rc ${scripts}
    DEPFILE ${output}.d
    COMMENT "Compiling the resource scripts of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
