# macbatch_add_version_resource(<target> <description>)
#
# Gives a Windows program a version resource with the project's version, so
# that the file's properties show it. Elsewhere it does nothing.
function(macbatch_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(MACBATCH_RESOURCE_NAME ${target})
  set(MACBATCH_RESOURCE_DESCRIPTION "${description}")
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
endfunction()
