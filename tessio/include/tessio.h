/* Tessio: display routines and access to up to eight USB image-processing boards.
 *
 * Every DDM export takes the board number as its first argument: only its low 16 bits count,
 * read as a signed number, valid 0 to 7. Every DDS export is its DDM twin for board 0.
 * Tessio never keeps a caller's buffer; it only reads or fills it during the call. */
#ifndef TESSIO_H
#define TESSIO_H

#include <stdint.h>

#if defined(_WIN32)
#include <windows.h>
#if defined(TESSIO_BUILD)
#define TESSIO_API __declspec(dllexport)
#else
#define TESSIO_API __declspec(dllimport)
#endif
#if defined(_M_IX86) || defined(__i386__)
#define TESSIO_CALL __stdcall
#else
#define TESSIO_CALL
#endif
#else
#include "platform/gdi/windows.h"
#define TESSIO_API __attribute__((visibility("default")))
#define TESSIO_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Display routines ---- */

/* ---- Board discovery, open and version ---- */

/* ---- Registers, mailbox, handshakes and block transfers ---- */

/* ---- Messages, typed values and timers ---- */

#ifdef __cplusplus
}
#endif

#endif
