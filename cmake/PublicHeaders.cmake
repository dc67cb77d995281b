# The headers a program may include: every header of src/host and src/orvo
# except the ones below, which only the library's own sources use (the Qt
# glue's widget and event plumbing, the pixel code's Qt side, the stock
# controls' shared helpers). They keep their folders under
# include/OrvoControls/, so "host/framework/Forms.h" names the same file
# inside this project and outside it; the umbrella header
# <OrvoControls/OrvoControls.h> includes them all.
# scripts/check-public-headers.sh proves the set closed (no installed header
# includes one left out) and each header self-contained.
set(ORVO_INTERNAL_HEADERS
  host/framework/ControlWidgets.h
  host/framework/StartupScreenshot.h
  host/framework/SystemColorChanges.h
  host/framework/WindowBackend.h
  host/qt/Accessibility.h
  host/qt/EmbeddedFocus.h
  host/qt/HostWidget.h
  host/qt/KeyRepeat.h
  host/qt/OutsideBackground.h
  host/qt/PaintBuffers.h
  host/qt/QtInputEntryPoints.h
  host/services/DeviceContextQt.h
  host/services/DevicePixelScale.h
  host/services/FontMapping.h
  host/services/GdiInternal.h
  host/services/IconCodec.h
  host/stdctrls/AccessibleControls.h
  host/stdctrls/SharedPalettes.h
  host/stdctrls/StdCtrlsSupport.h
  orvo/OrvoBlendKernel.h
  orvo/OrvoGlyphColoring.h
  orvo/OrvoGlyphs.h)

file(GLOB ORVO_LIBRARY_HEADERS RELATIVE ${PROJECT_SOURCE_DIR}/src CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/host/*/*.h ${PROJECT_SOURCE_DIR}/src/orvo/*.h)
set(ORVO_PUBLIC_HEADERS ${ORVO_LIBRARY_HEADERS})
list(REMOVE_ITEM ORVO_PUBLIC_HEADERS ${ORVO_INTERNAL_HEADERS})
foreach(header IN LISTS ORVO_PUBLIC_HEADERS)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES src/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls/${folder})
endforeach()
install(FILES ${ORVO_WIDGET_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls/widgets)
install(FILES src/OrvoControls/OrvoControls.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls)

# The API reference of exactly these headers (the `docs` target; Debian's
# doxygen). The test api_reference fails when a public class has no
# documentation at all.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  set(ORVO_API_DOCS_DIR ${CMAKE_BINARY_DIR}/docs/api)
  set(ORVO_API_DOC_INPUT ${PROJECT_SOURCE_DIR}/src/OrvoControls/OrvoControls.h)
  foreach(header IN LISTS ORVO_PUBLIC_HEADERS)
    string(APPEND ORVO_API_DOC_INPUT " ${PROJECT_SOURCE_DIR}/src/${header}")
  endforeach()
  foreach(header IN LISTS ORVO_WIDGET_PUBLIC_HEADERS)
    string(APPEND ORVO_API_DOC_INPUT " ${PROJECT_SOURCE_DIR}/${header}")
  endforeach()
  configure_file(docs/Doxyfile.in ${CMAKE_BINARY_DIR}/Doxyfile @ONLY)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVO_API_DOCS_DIR}
    COMMAND Doxygen::doxygen ${CMAKE_BINARY_DIR}/Doxyfile
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "API reference in ${ORVO_API_DOCS_DIR}/html"
    VERBATIM)
endif()
