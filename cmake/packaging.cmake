# The ZIP of the 32-bit program: lumvo1.exe with the sample record beside it, so that starting
# it from the unpacked folder shows a chart, and a short readme in Polish and English.
install(TARGETS lumvo1 RUNTIME DESTINATION .)
install(FILES
  ${PROJECT_SOURCE_DIR}/examples/czas.txt
  ${PROJECT_SOURCE_DIR}/examples/w_zad.txt
  ${PROJECT_SOURCE_DIR}/examples/sterow.txt
  ${PROJECT_SOURCE_DIR}/examples/wyj_obj.txt
  ${PROJECT_SOURCE_DIR}/examples/CZYTAJ.txt
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumvo1)
set(CPACK_PACKAGE_VENDOR Lumvo1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wykres przebiegu w układzie regulacji")
set(CPACK_SYSTEM_NAME win32)
set(CPACK_PACKAGE_FILE_NAME Lumvo1-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
