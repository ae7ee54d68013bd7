#pragma once
// TzrResources: a style sheet held by a form. Its root node's children are
// the styles, each named by its ResourceName. The sheet comes from the form
// as a binary object stream ("ResourcesBin"), from its Resource lines (text
// form), or from the file FileName; every change rebuilds the root and tells
// the registered scenes, which re-apply their controls' styles.
//
// TzrBackground: a control that paints a brush; every scene root and every
// sheet root is one. TzrDesigner: the hook a design tool would implement.

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "scene/zr_brush.h"
#include "scene/zr_control.h"

class TStream;

class TzrResources : public TComponent {
 public:
  explicit TzrResources(TComponent* AOwner);
  ~TzrResources() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override;
  void DefineProperties(TFiler* Filer) override;
  // The binary form: replaces the root; tells the scenes when one was built.
  void ReadResources(TStream* Stream);
  void WriteResources(TStream* Stream);
  // Writes the root into the Resource lines as object-stream text, without
  // rebuilding the root.
  void FillStrings();
  void UpdateScenes();

  TzrObject* GetRoot() const { return FRoot; }
  TStringList* GetResource() const { return FResource.get(); }
  void SetResource(TStringList* Value);
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& Value);
  void AddSceneUpdater(IzoRurev* AScene);
  void RemoveSceneUpdater(IzoRurev* AScene);
  // Frees the old root and takes ARoot (the design editor gives a new sheet
  // its root this way).
  void SetRoot(TzrObject* ARoot);

 private:
  void DoResourceChanged(TObject* Sender);
  void LoadFile();

  std::unique_ptr<TStringList> FResource;
  TzrObject* FRoot = nullptr;
  std::vector<IzoRurev*> FSceneList;
  std::string FFileName;
};

class TzrBackground : public TzrControl {
 public:
  explicit TzrBackground(TComponent* AOwner);
  ~TzrBackground() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBrush* GetFill() const { return FFill.get(); }
  void SetFill(TzrBrush* Value) { FFill->Assign(Value); }
  virtual void FillChanged(TObject* Sender);
  void Paint() override;
  // A background with a fill of its own, or the root of a transparent scene,
  // hides its applied style while its children paint.
  void PaintChildren() override;

 private:
  std::unique_ptr<TzrBrush> FFill;
};

class TzrDesigner : public TComponent {
 public:
  explicit TzrDesigner(TComponent* AOwner) : TComponent(AOwner) {}
  ~TzrDesigner() override;

  // A design tool supplies these four; here they raise EAbstractError.
  virtual void SelectObject(TComponent* ADesigner, TzrObject* AObject,
                            const std::vector<TzrObject*>& MultiSelection);
  virtual void Modified(TComponent* ADesigner);
  virtual std::string UniqueName(TComponent* ADesigner, const std::string& ClassName);
  virtual bool IsSelected(TComponent* ADesigner, TObject* AObject);

  virtual void AddScene(IzoRurev* Scene);
  virtual void RemoveScene(IzoRurev* Scene);
  virtual void EditStyle(TzrResources* Res, const std::string& ASelected) {
    (void)Res;
    (void)ASelected;
  }
  virtual void AddObject(TzrObject* AObject) { (void)AObject; }
  virtual void DeleteObject(TzrObject* AObject) { (void)AObject; }
  virtual TNotifyEvent AddMethod(const std::string& MethodName) {
    (void)MethodName;
    return {};
  }
  virtual std::string GetMethodName(const TNotifyEvent& Method) {
    (void)Method;
    return "";
  }
  // Passes a selection to every registered scene and repaints them whole.
  void CallDesignSelect(TObject* AObject);
  int GetSceneCount() const { return FScenes ? int(FScenes->size()) : 0; }

 private:
  std::unique_ptr<std::vector<IzoRurev*>> FScenes;
};

// Never set by the program.
extern TzrDesigner* zrDesigner;
