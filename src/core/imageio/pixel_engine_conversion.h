#pragma once
// Between the pictures of files and the 24-bit colour buffer the program
// works in.

#include "imageio/bitmap.h"

#include <memory>

namespace lumora {

class TPixelEngine;

// Any pixel format, set to 24 bits. Throws LumoraError for the empty
// picture, which no buffer can hold.
std::unique_ptr<TPixelEngine> ToPixelEngine(const Bitmap& Picture);

// Copies Picture into Target, which must have the picture's size.
void CopyIntoPixelEngine(const Bitmap& Picture, TPixelEngine& Target);

Bitmap FromPixelEngine(const TPixelEngine& Picture);

} // namespace lumora
