#pragma once
// The scene tests' small scene with the effect classes registered, and a
// node that draws one line of text, for pictures of effects on glyphs.

#include <string>

#include "tests/scene/visual_scene.h"

class TTestText : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  void Paint() override;
  std::u16string Text;
  TzrColor Color = 0xFF202020;
};

class EffectsTest : public VisualTest {
 public:
  static void SetUpTestSuite();

 protected:
  // An effect of class T under Node.
  template <class T>
  T* Add(TzrVisualObject* Node) {
    auto* effect = new T(&Owner);
    effect->SetParent(Node);
    return effect;
  }
  TTestText* Text(const std::u16string& S, float X, float Y, float W, float H);
};
