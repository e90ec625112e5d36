# The 32-bit Windows program, the deliverable. Nothing built here can run on these machines
# (no 32-bit user code), so no emulator is set and the Windows tests are not registered.
set(LUMVO1_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
