# Build helpers shared by every folder.
#
# Every folder is a library with an include root of its own and the libraries it stands on (LIBS):
# its headers are included by their path from the root, less "platform/" ("mfc/user/Wnd.h",
# "host/Store.h", "framework/CaltWorkDlg.h"), and only by the folders that link it, directly or
# through what they link. An include of a folder higher up the stack therefore fails to build.

# Adds each listed folder (a path from the root) that has a CMakeLists.txt.
function(qelt_add_folders)
  foreach(folder IN LISTS ARGN)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      add_subdirectory(${PROJECT_SOURCE_DIR}/${folder} ${PROJECT_BINARY_DIR}/${folder})
    endif()
  endforeach()
endfunction()

# The files matching pattern in the current folder and its subfolders, less those of a subfolder
# with a CMakeLists.txt of its own: that subfolder is a folder of its own.
function(qelt_folder_files out pattern)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list_file IN LISTS nested)
    get_filename_component(folder ${list_file} DIRECTORY)
    foreach(file IN LISTS files)
      string(FIND "${file}" "${folder}/" position)
      if(position EQUAL 0)
        list(REMOVE_ITEM files ${file})
      endif()
    endforeach()
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(qelt_folder_sources out)
  qelt_folder_files(sources "*.cpp")
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Gives the target the include root of the current folder: a directory in the build that holds
# links to the folder's headers (and its subfolders', as qelt_folder_files finds them) under the
# folder's path.
function(qelt_include_root target scope)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "^platform/" "" folder ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  qelt_folder_files(headers "*.h")
  foreach(header IN LISTS headers)
    file(RELATIVE_PATH name ${CMAKE_CURRENT_SOURCE_DIR} ${header})
    get_filename_component(directory ${root}/${folder}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${directory})
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# A part of a library: an object library of the folder's sources over the libraries it names, whose
# objects join the library that lists it among its PARTS (or the module). A folder with neither
# sources nor resource scripts (compiled in by qelt_add_resources) gives its include root and
# dependencies only.
#   qelt_library_part(NAME [LIBS lib…])
function(qelt_library_part name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  qelt_folder_sources(sources)
  qelt_folder_files(scripts "*.rc")
  if(NOT sources AND NOT scripts)
    add_library(${name} INTERFACE)
    qelt_include_root(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} OBJECT ${sources})
  qelt_include_root(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# The objects of the parts among targets that have any, for a shared library made of them.
function(qelt_part_objects out)
  set(objects)
  foreach(part IN LISTS ARGN)
    get_target_property(type ${part} TYPE)
    if(type STREQUAL "OBJECT_LIBRARY")
      list(APPEND objects $<TARGET_OBJECTS:${part}>)
    endif()
  endforeach()
  set(${out} ${objects} PARENT_SCOPE)
endfunction()

# A platform layer: one shared library of the folder's sources and of its parts' objects, so that
# the host program and the dlopen'ed module share one copy of its state (window tree, registry,
# resource handle). A STATIC one holds no state: its objects join each library that uses them (the
# ids and records of a server's interface, which its clients and the server both hold).
#   qelt_platform_library(NAME [HEADER_ONLY|STATIC] [PARTS part…] [LIBS lib…])
function(qelt_platform_library name)
  cmake_parse_arguments(ARG "HEADER_ONLY;STATIC" "" "PARTS;LIBS" ${ARGN})
  if(ARG_HEADER_ONLY)
    add_library(${name} INTERFACE)
    qelt_include_root(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  if(ARG_STATIC)
    qelt_folder_sources(sources)
    add_library(${name} STATIC ${sources})
    qelt_include_root(${name} PUBLIC)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    return()
  endif()
  qelt_folder_sources(sources)
  qelt_part_objects(objects ${ARG_PARTS})
  add_library(${name} SHARED ${sources} ${objects})
  qelt_include_root(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_PARTS} ${ARG_LIBS})
endfunction()

# A folder of the module: a part of the one shared module library.
#   qelt_module_folder(NAME [LIBS lib…])
function(qelt_module_folder name)
  qelt_library_part(${name} ${ARGN})
  set_property(GLOBAL APPEND PROPERTY QELT_MODULE_FOLDERS ${name})
endfunction()

# The module: every module folder's objects in one shared library, libqeltrc.so.
function(qelt_add_module)
  get_property(folders GLOBAL PROPERTY QELT_MODULE_FOLDERS)
  qelt_part_objects(objects ${folders})
  if(NOT objects)
    return()
  endif()
  add_library(qeltrc SHARED ${objects})
  target_link_libraries(qeltrc PUBLIC ${folders})
endfunction()

# One test executable for a folder of tests: every .cpp below it, with the shared test support. The
# test folder is an include root of its own, for its local headers and resource ids.
#   qelt_test(NAME [LIBS lib…])
function(qelt_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  qelt_folder_sources(sources)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE qelt_testsupport ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  # Listing the tests of a sanitized program can take a while on a busy machine.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
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
