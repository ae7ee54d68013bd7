#pragma once
// The about box: the program picture, a first text that may be a web link,
// and a "credits" button that shrinks the picture, fades the first text out
// and scrolls the credits area upwards without end. Its scene uses the style
// sheet stored with the box. A new box is made for every use.

#include <functional>

#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrLayout;
class TzrText;
class TzrFloatAnimation;
class TzrImage;
class TzrButton;
class TzrResources;
class TTimer;

class TfrmAbout : public TForm {
 public:
  explicit TfrmAbout(TComponent* AOwner);
  std::string ClassName() const override { return "TfrmAbout"; }

  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrLayout* FirstLayout = nullptr;
  TzrText* Text2 = nullptr;
  TzrLayout* AniLayout = nullptr;  // the credits area
  TzrText* Text1 = nullptr;
  TzrText* textList = nullptr;
  TzrFloatAnimation* Slide = nullptr;
  TzrText* Text3 = nullptr;
  TzrImage* LogoImage = nullptr;
  TzrButton* Button1 = nullptr;
  TzrButton* Button2 = nullptr;
  TzrResources* zrResources1 = nullptr;
  TTimer* CreditsTimer = nullptr;  // disabled; starts the scroll

  void FormCreate(TObject* Sender);
  // Shrinks the picture, fades the first text out and the credits in (the
  // waits keep handling messages), then enables CreditsTimer.
  void Button1Click(TObject* Sender);
  // Moves the credits area up by its own height in 60 s, over and over.
  void CreditsTimerTimer(TObject* Sender);
  // Open the text when it is a web address beginning with "http://".
  void Text2Click(TObject* Sender);
  void Text3Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  int ShowModal() override;
  // When set, ShowModal hands the box to it instead of showing a window.
  static std::function<int(TfrmAbout& box)> ModalHandler;

 private:
  static void OpenWebText(const TzrText* text);
};
