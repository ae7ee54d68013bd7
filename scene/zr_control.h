#pragma once
// TzrControl: a visual node whose look is a style cloned from a style sheet.
// When the control is first painted or focused it looks its style up by name,
// clones the style tree in as child 0 (aligned to fill it, locked, not
// stored) and lets the concrete control find the parts it drives by their
// resource names. Also: data binding between controls and help settings.
//
// DefaultStyles is the root of the sheet compiled into the program (the
// resource "defaultzrstyle"), read on the first look-up that needs it.

#include <memory>
#include <string>
#include <vector>

#include "scene/zr_visual.h"

class TEnumInfo;
class TBasicAction;
class TzrControlActionLink;

enum THelpType { htKeyword, htContext };
const TEnumInfo& HelpTypeInfo();
using THelpContext = int;

class TzrControl : public TzrVisualObject {
 public:
  explicit TzrControl(TComponent* AOwner);
  ~TzrControl() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // ---- style
  const std::string& GetResource() const { return FResource; }
  // Marks the style as needed; outside loading and BeginUpdate applies it.
  void SetResource(const std::string& Value);
  // A new clone of the style to apply (owned by this control), or nil.
  TzrObject* GetResourceObject();
  void ApplyResource() override;
  void UpdateResource() override;
  // Called after a style was applied; concrete controls find their parts
  // here and call this base step.
  virtual void ApplyStyle();
  // Called before the applied style is freed: concrete controls drop their
  // references to its parts.
  virtual void FreeStyle() {}
  // Searches the applied style first, then the control's own subtree.
  TzrObject* FindResource(const std::string& AResource) override;
  TzrObject* GetResourceLink() const { return FResourceLink; }
  bool GetNeedResource() const { return FNeedResource; }
  // Marks the style as needed: the next ApplyResource applies it again.
  void NeedResource() { FNeedResource = true; }
  // The name of the style root the applied style was cloned from.
  const std::string& GetStyleName() const { return FStyleName; }

  // TabOrder as form streams store it (16-bit).
  int16_t GetTabOrderValue() { return int16_t(GetTabOrder()); }
  void SetTabOrderValue(int16_t Value) { SetTabOrder(Value); }

  void EnterFocus() override;
  void BeforePaint() override;
  void Paint() override {}

  // ---- data binding
  void SetData(const Variant& Value) override { (void)Value; }
  void AddBindingObject(TzrControl* AControl);
  void RemoveBindingObject(TzrControl* AControl);
  TzrControl* GetBindingSource() const { return FBindingSource; }
  void SetBindingSource(TzrControl* Value);
  // Every bound control's SetData receives this control's GetData.
  void ToBindingObjects();
  const std::vector<TzrControl*>& GetBindingObjects() const;

  // ---- actions
  // The linked action, nil when none.
  TBasicAction* GetAction() const;
  // Links the control to the action (nil unlinks): the control takes the
  // action's caption, enabled and visible state, hint and execute handler
  // (when the action is loading, only where the control has no own value).
  void SetAction(TBasicAction* Value);
  TzrControlActionLink* GetActionLink() const { return FActionLink.get(); }
  // Copies a full action's properties into the control (see SetAction).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // The link's change event: ActionChange when Sender is the linked action.
  void DoActionChange(TObject* Sender);
  // Asks the linked action to update itself.
  virtual void InitiateAction();

  // ---- translation and help
  bool GetAutoTranslate() const { return FAutoTranslate; }
  void SetAutoTranslate(bool Value) { FAutoTranslate = Value; }
  THelpType GetHelpType() const { return FHelpType; }
  void SetHelpType(THelpType Value) { FHelpType = Value; }
  const std::string& GetHelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const std::string& Value);
  THelpContext GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(THelpContext Value);
  // False when a linked action supplies the help.
  bool IsHelpContextStored() const;

  // "ListBoxItemstyle" for TzrListBoxItem: the style named after a class.
  static std::string ClassStyleName(const std::string& AClassName);

 protected:
  // The style a control without Resource looks for first: the one named
  // after its class. Classes that share another class's style answer that.
  virtual std::string DefaultStyleName() const { return ClassStyleName(ClassName()); }

 private:
  // A clone of the style root AStyle, or nil when AStyle is no visual node
  // or one of the control's ancestors already shows that style (a style
  // holding a control that asks for it again would clone itself forever).
  TzrObject* CloneStyle(TzrObject* AStyle, bool KeepName);
  bool AncestorShows(const std::string& AStyleName) const;
  // The nearest registered ancestor class's name (for the parent class's
  // style).
  std::string ParentClassName() const;

  TzrObject* FResourceLink = nullptr;
  bool FNeedResource = true;
  std::unique_ptr<std::vector<TzrControl*>> FBindingObjects;
  TzrControl* FBindingSource = nullptr;
  bool FAutoTranslate = false;
  std::unique_ptr<TzrControlActionLink> FActionLink;
  THelpType FHelpType = htContext;
  std::string FHelpKeyword;
  THelpContext FHelpContext = 0;
  std::string FResource;
  std::string FStyleName;
  // Set by CloneStyle for ApplyResource.
  std::string FFoundStyle;
};

// ---- the default style sheet
extern TzrObject* DefaultStyles;
// Reads "defaultzrstyle" once, when the program carries it; later calls do
// nothing. Answers DefaultStyles.
TzrObject* LoadDefaultStyles();
// Frees the default sheet (at shutdown).
void FreeDefaultStyles();

// Registers the control classes (idempotent).
void RegisterControlClasses();
