# The installable form of the library: libOrvoControls.so built from the
# objects of every host layer and of orvocontrols (no second compile), its
# headers, and a package configuration that outside projects find with
#   find_package(OrvoControls REQUIRED)
#   target_link_libraries(app PRIVATE OrvoControls::OrvoControls)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)


# Qt makes every consumer position-independent, so the objects already are.
set(ORVO_PACKAGE_OBJECTS $<TARGET_OBJECTS:orvocontrols> $<TARGET_OBJECTS:orvowidgets>)
foreach(layer IN LISTS ORVO_HOST_LAYERS)
  list(APPEND ORVO_PACKAGE_OBJECTS $<TARGET_OBJECTS:orvohost_${layer}>)
endforeach()
add_library(OrvoControls SHARED ${ORVO_PACKAGE_OBJECTS})
add_library(OrvoControls::OrvoControls ALIAS OrvoControls)
set_target_properties(OrvoControls PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
target_link_libraries(OrvoControls PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets)
if(ORVO_XCB_FOUND)
  target_link_libraries(OrvoControls PRIVATE ${ORVO_XCB_LINK_LIBRARIES})
endif()
target_include_directories(OrvoControls PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls>)
target_compile_features(OrvoControls PUBLIC cxx_std_20)

install(TARGETS OrvoControls EXPORT OrvoControlsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Headers keep their folders (host/LAYER/, orvo/), so "host/framework/Forms.h"
# and "orvo/OrvoButton.h" name them as they do inside this project.
install(DIRECTORY src/host src/orvo
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls
  FILES_MATCHING PATTERN "*.h")
# The Qt widgets' public headers ("widgets/CheckBox.h"...); the helpers
# their sources share stay inside.
install(FILES ${ORVO_WIDGET_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls/widgets)

set(ORVO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrvoControls)
install(EXPORT OrvoControlsTargets NAMESPACE OrvoControls:: DESTINATION ${ORVO_CMAKE_DIR})
configure_package_config_file(cmake/OrvoControlsConfig.cmake.in
  ${CMAKE_BINARY_DIR}/OrvoControlsConfig.cmake
  INSTALL_DESTINATION ${ORVO_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OrvoControlsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_BINARY_DIR}/OrvoControlsConfig.cmake
  ${CMAKE_BINARY_DIR}/OrvoControlsConfigVersion.cmake
  cmake/EmbedResource.cmake
  cmake/EmbedResourceScript.cmake
  DESTINATION ${ORVO_CMAKE_DIR})
