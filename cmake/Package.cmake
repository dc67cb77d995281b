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
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/OrvoControls>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(OrvoControls PUBLIC cxx_std_20)
# Only the library's own names leave it (cmake/OrvoControls.map).
target_link_options(OrvoControls PRIVATE "LINKER:--version-script=${PROJECT_SOURCE_DIR}/cmake/OrvoControls.map")
set_property(TARGET OrvoControls APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/OrvoControls.map)

install(TARGETS OrvoControls EXPORT OrvoControlsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
include(cmake/PublicHeaders.cmake)

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

# pkg-config, beside the CMake package.
file(RELATIVE_PATH ORVO_PC_PREFIX_FROM_PCDIR "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" ORVO_PC_PREFIX_FROM_PCDIR "${ORVO_PC_PREFIX_FROM_PCDIR}")
configure_file(cmake/OrvoControls.pc.in ${CMAKE_BINARY_DIR}/OrvoControls.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/OrvoControls.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# A Debian package of everything installed (`cpack -G DEB` in the build
# tree): the library, its headers, orvoform, the CMake and pkg-config files.
set(CPACK_PACKAGE_NAME "orvocontrols")
set(CPACK_PACKAGE_VENDOR "The OrvoControls developers")
set(CPACK_PACKAGE_CONTACT "The OrvoControls developers <orvocontrols@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "custom-drawn desktop controls for Qt 6 Widgets programs")
set(CPACK_PACKAGE_DESCRIPTION "OrvoControls: a C++20 library of custom-drawn desktop controls (check box, radio
 button and group, group boxes, panel, edit, memo, list box, static text, shaped
 button, gradient or tiled background) with the host framework they run on,
 its headers and CMake and pkg-config files, and orvoform, a headless form tool.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "libdevel")
# Run-time libraries from the binaries; the headers include Qt's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_GENERATOR "DEB")
include(CPack)
