#pragma once
// Vector pictures. A metafile records what a TMetafileCanvas draws onto a
// Cairo recording surface of the metafile's size and saves it as SVG; the
// Enhanced flag is kept for callers and changes nothing in the output.
// Reading a metafile back from a stream is not supported.

#include <cairo.h>

#include <string>

#include "platform/vcl/Graphics.h"

class TMetafile : public TGraphic {
 public:
  TMetafile();
  ~TMetafile() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  // A new size starts a blank recording.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  bool GetEnhanced() const { return FEnhanced; }
  void SetEnhanced(bool Value) { FEnhanced = Value; }

  // Replays the recording stretched into the rectangle of the canvas.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // Raises EInvalidGraphicOperation: metafiles are written only.
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
  // The recording as an SVG document of the metafile's width and height.
  std::string SvgData() const;
  // The recording surface; nil while the metafile is empty.
  cairo_surface_t* Recording() const { return FRecording; }

 private:
  void Reset();
  int FWidth = 0;
  int FHeight = 0;
  bool FEnhanced = true;
  cairo_surface_t* FRecording = nullptr;
};

// A canvas drawing onto a metafile's recording through a vector device
// context of the metafile's size (96 dots per inch).
class TMetafileCanvas : public TCanvas {
 public:
  explicit TMetafileCanvas(TMetafile* Metafile);
  ~TMetafileCanvas() override;
};
