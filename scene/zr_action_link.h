#pragma once
// TzrControlActionLink: ties a TzrControl to an action. An action's change
// reaches the control's property only while the control still shows the
// action's previous value, so a property the program changed on the
// control itself stays as the program set it.

#include "platform/vcl/ActnList.h"

class TzrControl;

class TzrControlActionLink : public TActionLink {
 public:
  // AClient must be a TzrControl (EInvalidOperation otherwise).
  explicit TzrControlActionLink(TObject* AClient);
  TzrControl* GetClient() const { return FClient; }

  bool IsOnExecuteLinked() override;
  void SetOnExecute(const TNotifyEvent& Value) override;
  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  void SetCaption(const std::u16string& Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(int Value) override;
  void SetHelpKeyword(const std::string& Value) override;
  void SetHelpType(int Value) override;
  void SetHint(const std::u16string& Value) override;
  void SetVisible(bool Value) override;
  bool DoShowHint(std::u16string& HintStr) override;

 protected:
  void AssignClient(TObject* AClient) override;

 private:
  TzrControl* FClient = nullptr;
};

// A text control's caption (the "Text" property of TzrTextControl and its
// descendants); false when the control shows none.
bool zrControlText(TzrControl* AControl, std::u16string& Text);
void zrSetControlText(TzrControl* AControl, const std::u16string& Text);
