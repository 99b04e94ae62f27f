/* Prints how many opaque pixels the cursor the X server shows now has (0: hidden). Built by
 * test_panel.sh at run time. */
#include <stdio.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) return 2;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) return 2;
    unsigned long opaque = 0;
    for (unsigned long i = 0; i < (unsigned long)image->width * image->height; ++i)
        if (image->pixels[i] >> 24) ++opaque;
    printf("%lu\n", opaque);
    return 0;
}
