/* Tessio: display routines and access to up to eight USB image-processing boards.
 *
 * Every DDM export takes the board number as its first argument: only its low 16 bits count,
 * read as a signed number, valid 0 to 7. Every DDS export is its DDM twin for board 0.
 * Tessio never keeps a caller's buffer; it only reads or fills it during the call.
 *
 * Threads. Tessio takes no lock: a caller that uses it from several threads keeps to these rules.
 *  - One board, one call at a time. The board library keeps one entry per board number (its
 *    device, the page register it last set, the transfer timeout, the stopwatch, the text
 *    staging buffer) and every call on a board is a sequence of mailbox steps (post a word, wait
 *    for the board to take it, wait for the reply). Two calls on the same board at once, from any
 *    two threads, mix their steps; DDMclose on one thread while another thread uses the board
 *    hands that thread a closed device handle. Calls on one board, DDMopen_sys and DDMclose
 *    included, must come one after another: from one thread, or under the caller's own lock.
 *  - Different boards, different threads. A call on board n touches only board n's entry and
 *    device, so calls on different boards may run at the same time, with one exception: the
 *    first DDMopen_sys (or DDSopen_sys) of a board that is not open also prepares the display
 *    state (see below), which every board shares.
 *  - The display routines share one display state: the DIB header whose width and height each
 *    call rewrites before it draws, and the palette. Two drawing calls at once can draw with each
 *    other's sizes and read past the caller's buffer. All display routines, and every
 *    DDMopen_sys of a board that is not yet open, must come one after another: from one thread,
 *    or under one lock of the caller's. They touch no board, so one thread may draw while others
 *    work with open boards.
 *  - DDMgetver and DDSgetver, and every call with a bad board number, touch nothing: any thread,
 *    any time.
 * The GDI calls that the display routines make are safe from any thread (on Linux the GDI
 * stand-in serialises them with a lock of its own; on Windows they are gdi32's); a device context
 * is drawn into by one thread at a time, as GDI asks everywhere. */
#ifndef TESSIO_H
#define TESSIO_H

#include <stdint.h>

/* The version of Tessio, MAJOR.MINOR.PATCH: the project's one version (the build reads it from
 * these lines; the packages and libtessio.so.1.MINOR.PATCH carry it). DDMgetver returns
 * TESSIO_VERSION_NUMBER, MAJOR * 100 + MINOR * 10 (so 1.2.x gives 120, the number the boards'
 * programs have always known); a patch release leaves it unchanged, and MINOR stays below 10. A
 * program can compare the library it runs with against the header it was built with:
 * DDSgetver() >= TESSIO_VERSION_NUMBER. */
#define TESSIO_VERSION_MAJOR 1
#define TESSIO_VERSION_MINOR 2
#define TESSIO_VERSION_PATCH 1
#define TESSIO_VERSION_NUMBER (TESSIO_VERSION_MAJOR * 100 + TESSIO_VERSION_MINOR * 10)

#if defined(_WIN32)
#include <windows.h>
/* Tessio.dll exports exactly the names of its module-definition file; programs reach them through
 * the import library Tessio.lib or by name with GetProcAddress. */
#define TESSIO_API
#if defined(_M_IX86) || defined(__i386__)
#define TESSIO_CALL __stdcall
#else
#define TESSIO_CALL
#endif
#else
/* The one Windows type the display routines take: the device-context handle of the GDI stand-in
 * (libgdi32.so, which libtessio.so draws through), the distinct pointer type that <windows.h>
 * declares with DECLARE_HANDLE(HDC). A program gets such a context over its own pixels from
 * tessio_gdi.h. The same guarded line stands in tessio_gdi.h and in the stand-in's windows.h, so
 * any of them may be included first. */
#ifndef TESSIO_HDC_DECLARED
#define TESSIO_HDC_DECLARED
typedef struct HDC__* HDC;
#endif
#define TESSIO_API __attribute__((visibility("default")))
#define TESSIO_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Display routines ---- */

/* Each routine draws an image buffer of the caller into the device context dc. Buffers stay the
 * caller's and are only read during the call; their rows are packed (no padding), top row first,
 * and they must hold exactly the sizes given below. Call DDSopen_sys once first: it prepares the
 * display state (headers and palette). Gray levels below 16 and above 240 show as 16 and 240.
 * Sizes are in pixels; (x, y) is the top-left corner in dc. */

/* Draws the width x height 8-bit image buffer at (x, y). A width that is not a multiple of 4 is
 * drawn rounded up to one, the added columns level 0 (the darkest level shown). Result: 0. */
TESSIO_API int32_t TESSIO_CALL DDSdisplay(HDC dc, int32_t x, int32_t y, int32_t width,
                                          int32_t height, const uint8_t* buffer);

/* Draws a width x height colour image given as three 8-bit planes. Result: 0. */
TESSIO_API int32_t TESSIO_CALL DDScolor_display(HDC dc, int32_t x, int32_t y, int32_t width,
                                                int32_t height, const uint8_t* red,
                                                const uint8_t* green, const uint8_t* blue);

/* Half-size drawing, exported as "_DDShalf_disp@24", a name C cannot spell: get it with
 * dlsym(library, "_DDShalf_disp@24") (GetProcAddress on Windows). Draws every second pixel of
 * every second row of the (2 * width) x (2 * height) 8-bit buffer as a width x height image.
 * Result: 0 when the work buffer cannot be had, nonzero otherwise. */
typedef int32_t(TESSIO_CALL* DDShalf_disp_function)(HDC dc, int32_t x, int32_t y, int32_t width,
                                                    int32_t height, const uint8_t* buffer);

/* Draws the window (windowLeft, windowTop, windowWidth x windowHeight) of the sourceWidth x
 * sourceHeight 8-bit source at (x, y), windowWidth rounded down to a multiple of 4. Where the
 * window leaves the source it shows level 0. Result: 0 when the work buffer cannot be had,
 * nonzero otherwise. */
TESSIO_API int32_t TESSIO_CALL DDSrect_disp(HDC dc, int32_t x, int32_t y, int32_t windowWidth,
                                            int32_t windowHeight, int32_t windowLeft,
                                            int32_t windowTop, int32_t sourceWidth,
                                            int32_t sourceHeight, const uint8_t* source);

/* Draws the sourceWidth x sourceHeight 8-bit source stretched to destWidth x destHeight at
 * (destX, destY). On NT-family systems it is resampled bilinearly to destWidth rounded down to a
 * multiple of 4 (sourceX and sourceY unused); on the 95/98 family GDI stretches the rectangle
 * (sourceX, sourceY) of it. Result: 0 when nothing was drawn (destWidth below 4, destHeight or a
 * source size below 1, an unknown system, no work buffer), nonzero otherwise. */
TESSIO_API int32_t TESSIO_CALL DDSstretch_disp(HDC dc, int32_t destX, int32_t destY,
                                               int32_t destWidth, int32_t destHeight,
                                               int32_t sourceX, int32_t sourceY,
                                               int32_t sourceWidth, int32_t sourceHeight,
                                               const uint8_t* source);

/* DDSstretch_disp of a 16-bit source, showing the eight bits from topBit (7 to 15) down; the
 * bits above are cut off. Result: 0, or -1 for a topBit outside 7..15 or no work buffer (nothing
 * drawn). */
TESSIO_API int32_t TESSIO_CALL DDSstretch_disp16(HDC dc, int32_t destX, int32_t destY,
                                                 int32_t destWidth, int32_t destHeight,
                                                 int32_t sourceX, int32_t sourceY,
                                                 int32_t sourceWidth, int32_t sourceHeight,
                                                 int32_t topBit, const uint16_t* source);

/* DDSstretch_disp's resampling for a colour image of three 8-bit planes, on every system
 * (sourceX and sourceY unused). Result: as DDSstretch_disp. */
TESSIO_API int32_t TESSIO_CALL DDSstretch_color_disp(HDC dc, int32_t destX, int32_t destY,
                                                     int32_t destWidth, int32_t destHeight,
                                                     int32_t sourceX, int32_t sourceY,
                                                     int32_t sourceWidth, int32_t sourceHeight,
                                                     const uint8_t* red, const uint8_t* green,
                                                     const uint8_t* blue);

/* ---- Board discovery, open and version ---- */

/* Board results besides counts: -1 (bad board number, no work buffer, unsupported unit size),
 * TESSIO_UNEXPECTED_REPLY (the board answered a transfer request with another word) and
 * TESSIO_NOT_TAKEN (the board did not take the previous command within its timeout, or the bulk
 * transfer failed or moved fewer bytes than asked). */
#define TESSIO_UNEXPECTED_REPLY ((int32_t)0xFFFF0000)
#define TESSIO_NOT_TAKEN ((int32_t)0x30000000)

/* Finds and opens the board's device; on the first call for a board not yet open it also prepares
 * the display routines, whether or not a board is found. 0 opened, 1 already open, -1 bad board
 * number or no device (a "**Error: ..." line on standard output says why). */
TESSIO_API int32_t TESSIO_CALL DDMopen_sys(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSopen_sys(void);

/* The library version, TESSIO_VERSION_NUMBER (120 for 1.2.x); -1 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMgetver(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSgetver(void);

/* ---- Registers, mailbox, handshakes and block transfers ---- */

/* The board model from the identity page: 7100, 7110, or 0 for an unknown model. */
TESSIO_API int32_t TESSIO_CALL DDMgetid(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSgetid(void);

/* Start handshake: waits 1000 ms, posts the start word and waits for the board to echo it.
 * timeout: seconds (low 16 bits), 0 waits without limit. 0 echoed, -1 otherwise. */
TESSIO_API int32_t TESSIO_CALL DDMopen(int32_t board, int32_t timeout);
TESSIO_API int32_t TESSIO_CALL DDSopen(int32_t timeout);

/* End handshake: posts the end word once the board has taken any earlier command (within timeout
 * seconds, 0 without limit) and closes the device. 0 closed, -1 otherwise. */
TESSIO_API int32_t TESSIO_CALL DDMclose(int32_t board, int32_t timeout);
TESSIO_API int32_t TESSIO_CALL DDSclose(int32_t timeout);

/* Resets the board's processor (mode 4 selects the variant with reset data 4) and waits 1000 ms.
 * 0, or -1 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMreset(int32_t board, int32_t mode);
TESSIO_API int32_t TESSIO_CALL DDSreset(int32_t mode);

/* Word access to board memory, registers (by register address; the driver gets the offset
 * address - 0x1800000), PCI configuration registers and the processor's DMA address. Each returns
 * 0 after the device call, -1 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMread_mem(int32_t board, uint32_t address, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDSread_mem(uint32_t address, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_mem(int32_t board, uint32_t address, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_mem(uint32_t address, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDMread_reg(int32_t board, uint32_t address, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDSread_reg(uint32_t address, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_reg(int32_t board, uint32_t address, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_reg(uint32_t address, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDMread_pci_reg(int32_t board, uint32_t offset, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDSread_pci_reg(uint32_t offset, uint32_t* value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_pci_reg(int32_t board, uint32_t offset, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_pci_reg(uint32_t offset, uint32_t value);
TESSIO_API int32_t TESSIO_CALL DDMdspdmaadr(int32_t board, uint32_t address);
TESSIO_API int32_t TESSIO_CALL DDSdspdmaadr(uint32_t address);

/* Block transfers of count units of 1, 2 or 4 bytes; buffer holds exactly unit x count bytes.
 * Units 1 and 2 travel in the board's 32-bit words, first unit most significant; the device
 * length is the byte count rounded up to whole words, and the padding sent is zero. They return
 * the device length, or -1 (bad board, unsupported unit, negative or oversized count, no work
 * buffer), TESSIO_UNEXPECTED_REPLY or TESSIO_NOT_TAKEN. */
TESSIO_API int32_t TESSIO_CALL DDMread(int32_t board, void* buffer, int32_t unit, int32_t count);
TESSIO_API int32_t TESSIO_CALL DDSread(void* buffer, int32_t unit, int32_t count);
TESSIO_API int32_t TESSIO_CALL DDMwrite(int32_t board, const void* buffer, int32_t unit,
                                        int32_t count);
TESSIO_API int32_t TESSIO_CALL DDSwrite(const void* buffer, int32_t unit, int32_t count);

/* Image transfers of width x height pixels (sizes read as signed 16-bit) of 8 or 16 bits. The
 * buffer holds the device length: width x height (x 2 for 16 bits) rounded up to a multiple of 4
 * bytes; reads fill all of it. Before the request they wait for the board to take any earlier
 * command within the board's timeout (DDMset_timeout), else TESSIO_NOT_TAKEN. Results as for
 * DDMread. */
TESSIO_API int32_t TESSIO_CALL DDMread_image(int32_t board, int32_t width, int32_t height,
                                             uint8_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDSread_image(int32_t width, int32_t height, uint8_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDMread_image16(int32_t board, int32_t width, int32_t height,
                                               uint16_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDSread_image16(int32_t width, int32_t height, uint16_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDMwrite_image(int32_t board, int32_t width, int32_t height,
                                              const uint8_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDSwrite_image(int32_t width, int32_t height, const uint8_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDMwrite_image16(int32_t board, int32_t width, int32_t height,
                                                const uint16_t* buffer);
TESSIO_API int32_t TESSIO_CALL DDSwrite_image16(int32_t width, int32_t height,
                                                const uint16_t* buffer);

/* Reads a 1024-byte block of text and copies it up to and including its first zero byte into
 * buffer (at least 1024 bytes). The number of bytes copied, 0 on a failed transfer, -1 for a bad
 * board number. */
TESSIO_API int32_t TESSIO_CALL DDMgets2(int32_t board, char* buffer);
TESSIO_API int32_t TESSIO_CALL DDSgets2(char* buffer);

/* Writes text up to its end or a carriage return (at most 1024 bytes), ended by a zero byte, as
 * one block. 0, or -1 for a bad board number or a failed transfer. */
TESSIO_API int32_t TESSIO_CALL DDMputs2(int32_t board, const char* text);
TESSIO_API int32_t TESSIO_CALL DDSputs2(const char* text);

/* ---- Messages, typed values and timers ---- */

/* Posts a command word to the board's processor without waiting. 0, -1 for a bad board. */
TESSIO_API int32_t TESSIO_CALL DDMset_msg(int32_t board, uint32_t word);
TESSIO_API int32_t TESSIO_CALL DDSset_msg(uint32_t word);

/* Waits for the next nonzero reply word and returns it; TESSIO_UNEXPECTED_REPLY for a bad
 * board number. */
TESSIO_API int32_t TESSIO_CALL DDMread_msg(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSread_msg(void);

/* Without waiting: 0 if no reply word is waiting, else takes it and returns it with its low 16
 * bits cleared. 0 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMchk_msg(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSchk_msg(void);

/* 1 if a reply word or a data word from the board is waiting, else 0 (also for a bad board). */
TESSIO_API int32_t TESSIO_CALL DDMstat(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSstat(void);

/* Typed values to the board, one data word each (a double as two: upper 32 bits first), each
 * waiting until the board has taken it. 0; TESSIO_UNEXPECTED_REPLY for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMwrite_int(int32_t board, int32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_int(int32_t value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_byte(int32_t board, int32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_byte(int32_t value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_long(int32_t board, int32_t value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_long(int32_t value);
TESSIO_API int32_t TESSIO_CALL DDMwrite_double(int32_t board, const double* value);
TESSIO_API int32_t TESSIO_CALL DDSwrite_double(const double* value);

/* A character, or a text four bytes per word (first byte most significant) ended by a zero byte
 * (after a carriage return, which also ends it). 0, or -1 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMputc(int32_t board, int32_t character);
TESSIO_API int32_t TESSIO_CALL DDSputc(int32_t character);
TESSIO_API int32_t TESSIO_CALL DDMputs(int32_t board, const char* text);
TESSIO_API int32_t TESSIO_CALL DDSputs(const char* text);

/* Typed values from the board, waiting without limit for each data word:
 * DDMread_int (also DDMgetc) the low 16 bits, DDMread_byte the low 8 bits; DDMread_long stores
 * the word, DDMread_intm its low 16 bits, DDMread_double the first word in the lower and the
 * second in the upper 32 bits; those return 0. TESSIO_UNEXPECTED_REPLY for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMread_int(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSread_int(void);
TESSIO_API int32_t TESSIO_CALL DDMgetc(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSgetc(void);
TESSIO_API int32_t TESSIO_CALL DDMread_byte(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSread_byte(void);
TESSIO_API int32_t TESSIO_CALL DDMread_long(int32_t board, int32_t* value);
TESSIO_API int32_t TESSIO_CALL DDSread_long(int32_t* value);
TESSIO_API int32_t TESSIO_CALL DDMread_intm(int32_t board, int32_t* value);
TESSIO_API int32_t TESSIO_CALL DDSread_intm(int32_t* value);
TESSIO_API int32_t TESSIO_CALL DDMread_double(int32_t board, double* value);
TESSIO_API int32_t TESSIO_CALL DDSread_double(double* value);

/* Receives a text four bytes per word into buffer, which must hold all of it, up to and
 * including its zero byte. The number of bytes stored; 0 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMgets(int32_t board, char* buffer);
TESSIO_API int32_t TESSIO_CALL DDSgets(char* buffer);

/* Per-board stopwatch in milliseconds: DDMreset_timer starts it (0), DDMlaptime gives the time
 * since (wrapping at 32 bits). -1 for a bad board number. */
TESSIO_API int32_t TESSIO_CALL DDMreset_timer(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSreset_timer(void);
TESSIO_API int32_t TESSIO_CALL DDMlaptime(int32_t board);
TESSIO_API int32_t TESSIO_CALL DDSlaptime(void);

/* Sets the board's timeout for image transfers (1 to 100 seconds) and hands it to the driver;
 * returns the driver's answer. Other values change nothing and return the current timeout (3
 * after load). -1 for a bad board number, which touches no board. */
TESSIO_API int32_t TESSIO_CALL DDMset_timeout(int32_t board, int32_t seconds);
TESSIO_API int32_t TESSIO_CALL DDSset_timeout(int32_t seconds);

#ifdef __cplusplus
}
#endif

#endif
