#pragma once
// The pre-drawn faces of the spin buttons. Each combination of size, style
// and glyph use has one TSpinButtonBitmaps holding a bitmap per button state,
// shared by every spin button of that combination; the process-wide
// TSpinButtonBitmapsManager keeps the sets in a sorted list and lives while
// any spin button does. Faces come from the desktop theme (GTK's button
// style) when themes are on, else from classic 3-D edges.

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Graphics.h"

enum TXwSpinButtonStyle { sbsDefault, sbsClassic };
enum TSpinButtonState { sbNotDown, sbTopDown, sbBottomDown };

class TSpinButtonBitmapsManager;

// The glyph named "XwSpinUP", "XwSpinDOWN", "XwSpinUPPOLE" or "XwSpinDOWNPOLE"
// as a new bitmap, black on white with white transparent; nullptr for any
// other name. The caller owns it.
TBitmap* LoadSpinGlyph(const std::string& name);
// The glyph drawn greyed: its dark pixels in the highlight colour one pixel
// right and down, then in the shadow colour in place, on the button face.
TBitmap* MakeGreyedGlyph(TBitmap* glyph);

class TSpinButtonBitmaps : public TObject {
 public:
  TSpinButtonBitmaps(TSpinButtonBitmapsManager* manager, int width, int height,
                     TXwSpinButtonStyle style, bool customGlyphs);
  ~TSpinButtonBitmaps() override;
  std::string ClassName() const override { return "TSpinButtonBitmaps"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TXwSpinButtonStyle Style() const { return FStyle; }
  bool CustomGlyphs() const { return FCustomGlyphs; }
  bool IsThemed() const { return FIsThemed; }
  int ClientCount() const { return FClientCount; }

  void AddClient() { ++FClientCount; }
  // The set frees itself, leaving the manager's list, with its last user.
  void RemoveClient();
  // Redraw every state bitmap before the next use (colours or theme changed).
  void Reset() { FResetOnDraw = true; }

  // Draws the face for a state at (0, 0) of canvas.
  void Draw(TCanvas* canvas, TSpinButtonState down, bool enabled, bool mouseInTop,
            bool mouseInBottom);
  // Draws a button's own glyphs over its face.
  void DrawGlyphs(TCanvas* canvas, TSpinButtonState down, bool enabled, TBitmap* upArrow,
                  TBitmap* downArrow);

 private:
  void DrawAllBitmaps();
  void DrawClassicDiagonal(TBitmap* bitmap, TSpinButtonState down, bool enabled);
  void DrawClassicHorizontal(TBitmap* bitmap, TSpinButtonState down, bool enabled);
  void DrawThemed(TBitmap* bitmap, int topState, int bottomState);
  void DrawDiagonalGlyphs(TCanvas* canvas, TBitmap* up, TBitmap* down, int upShift, bool enabled);

  TSpinButtonBitmapsManager* FManager;
  int FWidth, FHeight;
  TXwSpinButtonStyle FStyle;
  bool FCustomGlyphs;
  int FClientCount = 0;
  std::unique_ptr<TBitmap> FTopDownBtn, FBottomDownBtn, FNotDownBtn, FDisabledBtn, FTopHotBtn,
      FBottomHotBtn;
  bool FResetOnDraw = true;
  bool FIsThemed = false;
};

class TSpinButtonBitmapsManager : public TObject {
 public:
  ~TSpinButtonBitmapsManager() override;
  std::string ClassName() const override { return "TSpinButtonBitmapsManager"; }

  // The one manager, made by the first spin button (nullptr when none lives).
  static TSpinButtonBitmapsManager* Instance();
  static TSpinButtonBitmapsManager* Existing() { return FInstance; }

  // The set for these values, made and put at its sorted place when missing.
  TSpinButtonBitmaps* WantButtons(int width, int height, TXwSpinButtonStyle style,
                                  bool customGlyphs);
  void AddClient() { ++FClientCount; }
  // The manager frees itself with its last spin button.
  void RemoveClient();
  int ClientCount() const { return FClientCount; }
  int Count() const { return int(FList.size()); }
  // Takes a set out of the list (it is freeing itself).
  void Remove(TSpinButtonBitmaps* bitmaps);
  // Marks every set for redrawing (system colours or theme changed).
  void ResetAll();

 private:
  int FClientCount = 0;
  std::vector<TSpinButtonBitmaps*> FList;
  static TSpinButtonBitmapsManager* FInstance;
};
