# Run by ctest: installs the build into PREFIX and checks the installed layout.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    ${BINDIR}/zadada
    ${BINDIR}/B-256.bmp ${BINDIR}/stw3.bmp ${BINDIR}/stw3_k.bmp ${BINDIR}/stb3.bmp ${BINDIR}/stb3_k.bmp
    ${DATADIR}/icons/hicolor/32x32/apps/zadada.png
    ${DATADIR}/applications/zadada.desktop
    ${DATADIR}/metainfo/zadada.metainfo.xml)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
