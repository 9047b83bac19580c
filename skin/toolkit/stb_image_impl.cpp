// The one translation unit that compiles the image decoder. Skin images are
// always decoded from memory, so the decoder's file functions are left out.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#include <stb/stb_image.h>
