# Installation: the two libraries, their headers and a CMake package, so that
# a host project does find_package(VORLib10 CONFIG REQUIRED) and links
# VORLib10::VORLib10.
include(CMakePackageConfigHelpers)

install(TARGETS VORPlatform VORLib10 EXPORT VORLib10Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/VORLib10)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/include/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/VORLib10 FILES_MATCHING PATTERN "*.h")
foreach(dir model grid editors splitter button lists module)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/VORLib10 FILES_MATCHING PATTERN "*.h")
endforeach()

install(EXPORT VORLib10Targets NAMESPACE VORLib10::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VORLib10)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VORLib10Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VORLib10Config.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VORLib10)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VORLib10ConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VORLib10Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VORLib10ConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/VorResources.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VORLib10)
