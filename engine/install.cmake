# libzefnaro for other programs: the library, its headers, a CMake package
# (find_package(Zefnaro) gives Zefnaro::zefnaro) and a pkg-config file. Every path
# is relative to where the files land, so the same files serve cmake --install to
# any prefix and the .deb.
include(CMakePackageConfigHelpers)
set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Zefnaro)

install(TARGETS zefnaro_library EXPORT ZefnaroTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY include/zefnaro DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${CMAKE_BINARY_DIR}/generated/zefnaro/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zefnaro)
install(EXPORT ZefnaroTargets NAMESPACE Zefnaro:: DESTINATION ${cmake_dir})

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/ZefnaroConfig.cmake
  "include(\"\${CMAKE_CURRENT_LIST_DIR}/ZefnaroTargets.cmake\")\n")
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZefnaroConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZefnaroConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/ZefnaroConfigVersion.cmake DESTINATION ${cmake_dir})

file(RELATIVE_PATH pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" pc_to_prefix ${pc_to_prefix})
configure_file(zefnaro.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zefnaro.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zefnaro.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
