# Hardening for GCC and Clang on ELF and Mach-O targets: position-independent executables, stack
# protection, fortified C library calls where the optimiser can see buffer sizes, and a read-only
# relocation table resolved at start. MSVC and MinGW have their own defaults and take none of these.
include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_message LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
  message(STATUS "Executables are not position-independent: ${pie_message}")
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32)
  add_compile_options(-fstack-protector-strong)
  # Fortified calls need optimisation; under the sanitizers they would hide calls from the interceptors.
  if(NOT CORVANTH_SANITIZE AND NOT CORVANTH_FUZZ)
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  if(NOT APPLE)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
  endif()
endif()
