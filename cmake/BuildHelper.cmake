# The programs that draw the icon and the help pictures run during the build, so they must run on the
# machine doing it. A cross build (for Windows from Linux, say) cannot run what it builds; it takes them
# from a build made for that machine instead: -DCORVANTH_HOST_TOOLS=<that build's folder>.
set(CORVANTH_HOST_TOOLS "" CACHE PATH
  "A build for the machine doing this cross build, holding make_icons and make_help_pictures")

# corvanth_build_helper(NAME SOURCE LIBRARY...): the program NAME built from SOURCE, or in a cross build
# the one of that name from CORVANTH_HOST_TOOLS. ${NAME}_COMMAND runs it, ${NAME}_DEPENDS is what a rule
# using it depends on.
function(corvanth_build_helper name source)
  if(CMAKE_CROSSCOMPILING)
    find_program(${name}_HOST ${name} PATHS ${CORVANTH_HOST_TOOLS} PATH_SUFFIXES desktop help
      NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT ${name}_HOST)
      message(FATAL_ERROR "A cross build runs ${name} from a build for this machine: build one (e.g. "
        "cmake -S . -B build/host && cmake --build build/host --target make_icons make_help_pictures) "
        "and pass -DCORVANTH_HOST_TOOLS=<its folder>, or build with -DCORVANTH_QT=OFF.")
    endif()
    set(${name}_COMMAND ${${name}_HOST} PARENT_SCOPE)
    set(${name}_DEPENDS ${${name}_HOST} PARENT_SCOPE)
  else()
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    # A sanitizer build runs the helper too; Qt's one-time allocations are no leak of ours.
    set(${name}_COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:${name}>
      PARENT_SCOPE)
    set(${name}_DEPENDS ${name} PARENT_SCOPE)
  endif()
endfunction()
