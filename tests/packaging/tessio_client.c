/* A program of a board developer, built against the installed development package with
 * pkg-config: the version, and what a bad board number gets from each family of exports. */
#include <stdio.h>
#include <tessio.h>

int main(void) {
    printf("DDMgetver(0) %d\n", (int)DDMgetver(0));
    printf("DDSgetver %d\n", (int)DDSgetver());
    printf("DDMgetver(8) %d\n", (int)DDMgetver(8));
    printf("DDMopen_sys(-1) %d\n", (int)DDMopen_sys(-1));
    printf("DDMread_int(8) 0x%08X\n", (unsigned)DDMread_int(8));
    return 0;
}
