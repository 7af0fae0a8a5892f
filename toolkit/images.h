// Numbered off-screen images, painted with filled boxes of one colour and
// shown in image gadgets. The store owns the bitmaps; gadgets refer to them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace toolkit {

// Frees the image under `image`, then makes a black device-independent
// bitmap of that size and depth under the number. Null on failure.
HBITMAP CreateImage(int image, int width, int height, int bitsPerPixel);
// The bitmap under the number, null when the number is free.
HBITMAP ImageHandle(int image);

// A memory context with the image selected, to start drawing on; closes
// the previous one. Null when the number is free.
HDC ImageDrawingTarget(int image);
// Ends a drawing pass in progress and begins one on `target` (none if null).
void StartDrawing(HDC target);
// A box in the colour value, right column and bottom row excluded.
void FilledBox(int x, int y, int width, int height, std::uint32_t colour);
// Ends the drawing pass and releases its image context.
void StopDrawing();

// An image gadget showing `image` unscaled; width and height 0 take the
// image's size. flags are its extended window style.
int CreateImageGadget(int gadget, int x, int y, int width, int height, HBITMAP image,
                      std::uint32_t flags);
// Replaces the image gadget's image (not owned) and repaints it at once.
void SetGadgetImage(int gadget, HANDLE image);

}  // namespace toolkit
