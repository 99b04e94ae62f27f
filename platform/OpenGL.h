// The one way drawing code reaches OpenGL 1.1 and GLU: include this, never the GL headers directly.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>  // gl.h needs WINGDIAPI and APIENTRY from here
#endif

#include <GL/gl.h>
#include <GL/glu.h>
