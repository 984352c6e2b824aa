# corvanth_optional_package(OPTION Package what debian-package): looks for Package as OPTION asks
# (ON: required, OFF: not at all, AUTO: if it is there) and sets OPTION_ENABLED. A part left out is
# named, with what to install, so that a build without it is never a silent surprise.
function(corvanth_optional_package option package what debian_package)
  set(enabled OFF)
  if(${option} STREQUAL "AUTO")
    find_package(${package} QUIET)
    if(${package}_FOUND)
      set(enabled ON)
    else()
      message(STATUS "${package} not found: ${what} are not built "
        "(install ${debian_package}, or pass -D${option}=ON to require them)")
    endif()
  elseif(${option})
    find_package(${package} REQUIRED)
    set(enabled ON)
  endif()
  set(${option}_ENABLED ${enabled} PARENT_SCOPE)
endfunction()
