#pragma once
// Pictures of scenes drawn off-screen: the scene's objects are painted into a
// bitmap of their own, so a window that is covered, moved off the screen or
// not yet drawn still gives the picture of what it holds.

#include <memory>

class TzrBitmap;
class TzrCustomScene;
class TJPEGImage;

// The scene's area of Width by Height pixels whose top left corner is at
// (Left, Top) of the scene: its background and every visible top-level
// object, as the window would show them once their changes have ended.
// Painting twice lets controls the scene has not drawn yet take their styles
// first; animations that end by themselves are put at their end in between
// (looping ones go on). Sizes below 1 give an empty bitmap.
std::unique_ptr<TzrBitmap> RenderSceneArea(TzrCustomScene& Scene, int Left, int Top, int Width,
                                           int Height);

// The bitmap compressed as a colour JPEG at quality 100.
std::unique_ptr<TJPEGImage> JpegOfBitmap(TzrBitmap& Bitmap);
