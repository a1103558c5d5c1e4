#pragma once
// A small built-in depth scene made of the shape objects, for the
// command-line renderer's example and for trying the render without a
// project: rounded and plain rectangles, an ellipse, a thick line, a
// polygon and a text, two of them in a group.

#include <cstdint>
#include <memory>

namespace lumora {

class DepthObjects;
class TPixelEngine256;

// Replaces the objects with the example scene, laid out on the default
// editor of 600 x 450 pixels (the editor size is set to that).
void BuildExampleDepthScene(DepthObjects& objects);

// The example scene composed at width x height (each 1 or more).
std::unique_ptr<TPixelEngine256> ComposeExampleDepthScene(int32_t width, int32_t height);

} // namespace lumora
