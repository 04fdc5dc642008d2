// The implementations of Debian's stb_image (PNG reading) and stb_image_write (PNG writing),
// compiled once into hudhost_png for png_file.cpp. Kept apart
// from the project's own code, which clang-tidy checks and this third-party code would fail.

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
