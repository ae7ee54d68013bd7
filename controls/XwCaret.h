#pragma once
// The caret a memo shows: its own (default), a solid or gray bar of a given
// size, or a bitmap. A custom caret is drawn over the memo's text view in
// place of the view's own cursor while the memo has the focus.

#include <memory>

#include "platform/vcl/Graphics.h"

class TWinControl;
typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

class TXwCaret : public TPersistent {
 public:
  // Raises EXWException without an owner.
  explicit TXwCaret(TWinControl* AOwner);
  ~TXwCaret() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwCaret"; }

  // From another caret: bitmap, width, height and gray flag, one change.
  void Assign(TPersistent* Source) override;
  // The "CaretBitmap" entry, written only when the bitmap is not empty.
  void DefineProperties(TFiler* Filer) override;

  TBitmap* GetBitmap() { return &FBitmap; }
  // Copies the bitmap; width, height and gray go back to their defaults.
  void SetBitmap(TBitmap* value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int value);
  bool GetGray() const { return FGray; }
  void SetGray(bool value);

  // Changes inside nest; the outermost EndUpdate signals them once.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  // No size, not gray, no bitmap: the view keeps its own cursor.
  bool IsDefault() const;
  bool IsBitmapCaret() const;
  bool Created() const { return FCaretCreated; }

  // Replaces the view's cursor while the owner has the focus; undone by
  // DestroyCaret.
  void CreateCaret();
  void DestroyCaret();
  // Hides or shows whichever caret is in use (the view's or this one).
  void ShowCaret(bool visible);
  bool Shown() const { return FShown; }

  TNotifyEvent FOnChanged;

 private:
  void Changed();
  GtkWidget* View() const;
  static int OnDraw(GtkWidget* widget, cairo_t* cr, void* self);
  void Paint(GtkWidget* widget, cairo_t* cr);

  TWinControl* FCaretOwner;
  TBitmap FBitmap;
  int FWidth = 0, FHeight = 0;
  bool FGray = false;
  bool FCaretCreated = false;
  bool FShown = true;
  int FUpdateCount = 0;
  bool FModified = false;
  unsigned long FDrawHandler = 0;
};
