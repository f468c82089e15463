# SPDX-License-Identifier: GPL-3.0-or-later
# fretlore_generated_resources(LIBRARY NAME PREFIX BASE FILES... WAIT_FOR TARGET)
# Compiles files that a build-time tool writes into LIBRARY as Qt resources
# under PREFIX. Only TARGET runs the tool, so parallel builds never run it
# twice; everything that compiles the resources waits for it.
function(fretlore_generated_resources library name prefix base)
  cmake_parse_arguments(ARG "" "WAIT_FOR" "FILES" ${ARGN})
  qt_add_resources(${library} ${name}
    PREFIX ${prefix}
    BASE ${base}
    FILES ${ARG_FILES}
    OUTPUT_TARGETS resource_targets)
  add_dependencies(${library} ${ARG_WAIT_FOR})
  foreach(resource_target IN LISTS resource_targets)
    add_dependencies(${resource_target} ${ARG_WAIT_FOR})
  endforeach()
endfunction()
