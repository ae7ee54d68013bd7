#pragma once
// The path data designer: a modal form where the text of a path (SVG-like
// commands) is edited in a memo beside a preview that follows every change.
// The caller puts the path's text into the memo, shows the form modally and,
// on mrOk, sets the path from the memo's text.

#include <string>

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrButton;
class TzrLabel;
class TzrLayout;
class TzrMemo;
class TzrPath;

class TzrPathDataDesigner : public TForm {
 public:
  explicit TzrPathDataDesigner(TComponent* AOwner);
  std::string ClassName() const override { return "TzrPathDataDesigner"; }

  TzoRurev* zoRurev1 = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrLabel* labelMemo = nullptr;
  TzrMemo* PathData = nullptr;
  TzrLayout* previewLayout = nullptr;
  TzrLabel* Label3 = nullptr;
  TzrPath* previewPath = nullptr;
  TzrLayout* Layout2 = nullptr;
  TzrButton* Button2 = nullptr;  // OK
  TzrButton* Button3 = nullptr;  // Cancel
  TzrButton* Button1 = nullptr;  // Paste

  void PathDataChange(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button3Click(TObject* Sender);
};
