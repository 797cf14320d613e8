#pragma once

#include "tessio.h"

// The half-size routine, exported as "_DDShalf_disp@24", a name no declaration can carry. On
// Windows the module-definition file exports it under that name. Elsewhere every linker reads the
// '@' as a symbol version: the routine is linked as TESSIO_HALF_DISP_LINK_NAME, a stand-in that
// the build renames in the finished library (tessio/CMakeLists.txt).
extern "C" TESSIO_API int32_t TESSIO_CALL DDShalf_disp(HDC dc, int32_t x, int32_t y, int32_t width,
                                                       int32_t height, const uint8_t* buffer)
#if !defined(_WIN32)
    __asm__(TESSIO_HALF_DISP_LINK_NAME)
#endif
        ;
