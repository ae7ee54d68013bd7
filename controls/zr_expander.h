#pragma once
// TzrExpander: a captioned panel that collapses to its header and expands
// again through the toggle button of its style ("button"), with an optional
// check box in the header ("checkbox") that enables or disables its content.
// Every object added to the expander goes into its content, which keeps its
// height while collapsed so that expanding restores the former total height.
// The content's height is streamed as "ContentSize".

#include "controls/zr_text_control.h"

class TzrCheckBox;
class TzrContent;
class TzrCustomButton;

class TzrExpander : public TzrTextControl {
 public:
  explicit TzrExpander(TComponent* AOwner);
  ~TzrExpander() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetIsExpanded() const { return FIsExpanded; }
  virtual void SetIsExpanded(bool Value);
  bool GetIsChecked() const { return FIsChecked; }
  // Enables or disables the content; fires no OnCheckChange.
  void SetIsChecked(bool Value);
  bool GetShowCheck() const { return FShowCheck; }
  void SetShowCheck(bool Value);
  TzrContent* GetContent() const { return FContent; }
  // The style's toggle button and check box, nil before a style is applied.
  TzrCustomButton* GetButton() const { return FButton; }
  TzrCheckBox* GetCheck() const { return FCheck; }

  void DefineProperties(TFiler* Filer) override;
  void AddObject(TzrObject* AObject) override;
  TzrVisualObject* DesignClick() override;
  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;

  // Fired when the user toggles the header check box.
  TNotifyEvent OnCheckChange;

 private:
  void DoButtonClick(TObject* Sender);
  void DoCheckChange(TObject* Sender);
  void StartExpandedTriggers();

  bool FShowCheck = false;
  bool FIsChecked = true;
  bool FIsExpanded = true;
  TzrContent* FContent = nullptr;
  TzrCustomButton* FButton = nullptr;
  TzrCheckBox* FCheck = nullptr;
  bool FSettingCheck = false;
};
