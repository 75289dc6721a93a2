# What `cmake --install` gives a host integrator, in three components:
#   library      the shared library (the DLL; the .so with its soname link)
#   development  pat.h, import libraries, the CMake package and patmodel.pc
#   tools        the reference host and the printer simulator (Linux)
# Widths share one prefix: Windows files go to bin/x86|x64 and lib/x86|x64,
# Linux files to lib/<multiarch tuple>, as Debian lays them out.
if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(pat_width_dir x64)
  else()
    set(pat_width_dir x86)
  endif()
  set(CMAKE_INSTALL_BINDIR bin/${pat_width_dir})
  set(CMAKE_INSTALL_LIBDIR lib/${pat_width_dir})
elseif(CMAKE_LIBRARY_ARCHITECTURE)
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

target_include_directories(patmodel INTERFACE $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
                                              $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

# What is installed ships: binaries without their debug sections (the build
# tree keeps them, for the profiles of tools/dev/instructions.sh).
install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)" ALL_COMPONENTS)

install(TARGETS patmodel EXPORT patmodelTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT library
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_SKIP
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
if(NOT WIN32)
  install(TARGETS patmodel LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development NAMELINK_ONLY)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/include/pat.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)

# The import library for Microsoft's linker, made from the same .def as the
# DLL.  On i386 the .def names carry the stdcall decoration that MSVC looks
# up (_PatGetDllVersion@4); --kill-at makes each import name the undecorated
# export name the DLL carries.
if(WIN32)
  find_program(PAT_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(pat_dlltool_options -m i386:x86-64)
  else()
    set(pat_dlltool_options -m i386 --kill-at)
  endif()
  set(PAT_MSVC_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/lib/patmodel.lib)
  add_custom_command(OUTPUT ${PAT_MSVC_IMPORT_LIBRARY}
                     COMMAND ${PAT_DLLTOOL} ${pat_dlltool_options} -d ${pat_def_file} -l ${PAT_MSVC_IMPORT_LIBRARY}
                     DEPENDS ${pat_def_file}
                     COMMENT "Import library for MSVC")
  add_custom_target(patmodel_msvc_import_library ALL DEPENDS ${PAT_MSVC_IMPORT_LIBRARY})
  # The linker's own import library for mingw-w64 carries the killed names
  # (_PatGetDllVersion) that no i386 caller looks up; the toolchain's dlltool
  # makes it from the .def as above, so mingw hosts link the stdcall names too.
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    find_program(PAT_MINGW_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)
    add_custom_command(TARGET patmodel POST_BUILD
                       COMMAND ${PAT_MINGW_DLLTOOL} --kill-at -d ${pat_def_file} -D patmodel.dll
                               -l $<TARGET_LINKER_FILE:patmodel>
                       COMMENT "Import library for mingw-w64 with the stdcall names")
  endif()
  install(FILES ${PAT_MSVC_IMPORT_LIBRARY} DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
endif()

# find_package(patmodel): the imported target patmodel::patmodel.
set(pat_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/patmodel)
install(EXPORT patmodelTargets NAMESPACE patmodel:: DESTINATION ${pat_cmake_dir} COMPONENT development)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/patmodelConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/patmodelConfig.cmake INSTALL_DESTINATION ${pat_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/patmodelConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/patmodelConfig.cmake ${CMAKE_BINARY_DIR}/patmodelConfigVersion.cmake
        DESTINATION ${pat_cmake_dir} COMPONENT development)

# patmodel.pc, relocatable: the prefix is found from the file's own folder.
file(RELATIVE_PATH PAT_PC_PREFIX_FROM_PCFILEDIR /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" PAT_PC_PREFIX_FROM_PCFILEDIR "${PAT_PC_PREFIX_FROM_PCFILEDIR}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/patmodel.pc.in ${CMAKE_BINARY_DIR}/patmodel.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/patmodel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

if(NOT WIN32)
  install(TARGETS pathost patsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
endif()

# Debian packages of the Linux library and the tools (cpack -G DEB):
# libpatmodel1 and patmodel-tools.
if(NOT WIN32)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME patmodel)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_CONTACT "patmodel developers <patmodel@localhost>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printer-model data library of one printer family")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL library tools)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
  else()
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
  endif()
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libpatmodel${PROJECT_VERSION_MAJOR})
  set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  set(CPACK_COMPONENT_LIBRARY_DESCRIPTION
      "printer-model data library: status texts in 17 languages, the status picture, the PJL query and the reading of its reply")
  set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME patmodel-tools)
  set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
  # pathost loads the library at run time, which dpkg-shlibdeps cannot see.
  set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "libpatmodel${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")
  set(CPACK_COMPONENT_TOOLS_DESCRIPTION
      "reference status-monitoring host (pathost) and printer simulator (patsim) of the printer-model data library")
  include(CPack)
endif()
