# Compiles a file into a program as a named resource (host/services/Resources.h).
#
#   orvo_embed_resource(TARGET target TYPE Bitmap|FormDescription|Icon NAME "TFORM1" FILE path)
#
# The file is turned into a C++ source at build time, so editing it rebuilds.
# Found next to this file, in this project and in the installed package alike.
set(ORVO_EMBED_RESOURCE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedResourceScript.cmake")

function(orvo_embed_resource)
  cmake_parse_arguments(R "" "TARGET;TYPE;NAME;FILE" "" ${ARGN})
  get_filename_component(abs "${R_FILE}" ABSOLUTE)
  string(MAKE_C_IDENTIFIER "${R_NAME}" id)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/resource_${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DTYPE=${R_TYPE} -DNAME=${R_NAME} -DID=${id}
            -P ${ORVO_EMBED_RESOURCE_SCRIPT}
    DEPENDS "${abs}" ${ORVO_EMBED_RESOURCE_SCRIPT}
    COMMENT "Embedding resource ${R_NAME}")
  target_sources(${R_TARGET} PRIVATE "${out}")
endfunction()
