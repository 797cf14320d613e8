# 32-bit Windows. Its programs cannot run here (a 32-bit Wine would replace system packages).
set(PELMAR_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
