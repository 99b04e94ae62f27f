# The window icon of the Windows build, prepared while the cross build is configured (included by
# cmake/mingw-w64-x86_64.cmake). The host compiler builds make-icon from this folder; make-icon
# turns the art generator's Icon.bmp into tallix.ico in the build folder, where the resource
# compiler finds it through its include path. platform/win32/tallix.rc leaves the icon out when
# there is no such file.
get_filename_component(TALLIX_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(TALLIX_ICON_BMP "${TALLIX_SOURCE_ROOT}/build/game/Data/Icon.bmp" CACHE FILEPATH
    "Window icon art drawn by the host build's assetgen (Data/Icon.bmp of its game folder)")

set(TALLIX_ICON_DIR "${CMAKE_BINARY_DIR}/win32-icon")
set(TALLIX_ICON_TOOL "${TALLIX_ICON_DIR}/make-icon")
file(MAKE_DIRECTORY "${TALLIX_ICON_DIR}")
set(CMAKE_RC_FLAGS_INIT "\"--include-dir=${TALLIX_ICON_DIR}\"")

function(tallix_build_icon_tool)
  set(sources "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IconFile.cpp"
              "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/MakeIcon.cpp")
  set(stale FALSE)
  foreach(source ${sources} "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/IconFile.h")
    if("${source}" IS_NEWER_THAN "${TALLIX_ICON_TOOL}")  # also true while the tool is missing
      set(stale TRUE)
    endif()
  endforeach()
  if(NOT stale)
    return()
  endif()
  find_program(TALLIX_HOST_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH)
  if(NOT TALLIX_HOST_CXX)
    message(WARNING "No host C++ compiler: the Windows build gets no window icon")
    return()
  endif()
  execute_process(
    COMMAND "${TALLIX_HOST_CXX}" -std=c++17 -O1 -Wall -Wextra -o "${TALLIX_ICON_TOOL}" ${sources}
    RESULT_VARIABLE failed ERROR_VARIABLE messages)
  if(failed)
    file(REMOVE "${TALLIX_ICON_TOOL}")
    message(WARNING "make-icon did not build: ${messages}")
  endif()
endfunction()

# The resource compiler reports no dependencies, so a compiled resource with another icon is
# removed to be compiled again.
function(tallix_forget_compiled_icon)
  file(GLOB_RECURSE compiled "${CMAKE_BINARY_DIR}/CMakeFiles/*.rc.res")
  if(compiled)
    file(REMOVE ${compiled})
  endif()
endfunction()

function(tallix_drop_icon icon)
  if(EXISTS "${icon}")
    file(REMOVE "${icon}")
    tallix_forget_compiled_icon()
  endif()
endfunction()

function(tallix_make_icon)
  set(icon "${TALLIX_ICON_DIR}/tallix.ico")
  if(NOT EXISTS "${TALLIX_ICON_BMP}")
    tallix_drop_icon("${icon}")
    message(WARNING "No ${TALLIX_ICON_BMP}: the Windows build gets no window icon. Build the game "
                    "for this host first (its assetgen draws the art) or set TALLIX_ICON_BMP.")
    return()
  endif()
  tallix_build_icon_tool()
  if(NOT EXISTS "${TALLIX_ICON_TOOL}")
    tallix_drop_icon("${icon}")
    return()
  endif()
  set(before "")
  if(EXISTS "${icon}")
    file(SHA256 "${icon}" before)
  endif()
  execute_process(COMMAND "${TALLIX_ICON_TOOL}" "${TALLIX_ICON_BMP}" "${icon}"
                  RESULT_VARIABLE failed ERROR_VARIABLE messages)
  if(failed)
    tallix_drop_icon("${icon}")
    message(WARNING "No window icon: ${messages}")
    return()
  endif()
  file(SHA256 "${icon}" after)
  if(NOT before STREQUAL after)
    tallix_forget_compiled_icon()
  endif()
  # New art makes the next build configure again, and so remake the icon.
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               "${TALLIX_ICON_BMP}")
endfunction()

# The toolchain file is read once for every language the project enables; once is enough here.
get_property(TALLIX_ICON_DONE GLOBAL PROPERTY TALLIX_WINDOW_ICON_DONE)
if(NOT TALLIX_ICON_DONE)
  set_property(GLOBAL PROPERTY TALLIX_WINDOW_ICON_DONE TRUE)
  tallix_make_icon()
endif()
