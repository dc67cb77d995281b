# Compiles a file into a program as a named resource (host/Resources.h).
#
#   orvo_embed_resource(TARGET target TYPE Bitmap|FormDescription|Icon NAME "TFORM1" FILE path)
#
# The file is turned into a C++ source at build time, so editing it rebuilds.
function(orvo_embed_resource)
  cmake_parse_arguments(R "" "TARGET;TYPE;NAME;FILE" "" ${ARGN})
  get_filename_component(abs "${R_FILE}" ABSOLUTE)
  string(MAKE_C_IDENTIFIER "${R_NAME}" id)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/resource_${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DTYPE=${R_TYPE} -DNAME=${R_NAME} -DID=${id}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResourceScript.cmake
    DEPENDS "${abs}" ${PROJECT_SOURCE_DIR}/cmake/EmbedResourceScript.cmake
    COMMENT "Embedding resource ${R_NAME}")
  target_sources(${R_TARGET} PRIVATE "${out}")
endfunction()
