#pragma once
// IzoRurev: how every node of a scene tree reaches the scene window it belongs
// to (repaints, capture, focus, canvas, root, style sheet, design state).
//
// The scene window implements it beside TComponent; a node keeps it as a
// plain pointer set while the node is in the scene. The scene's life is its
// owner form's business, not counted through this interface.

#include "platform/rtl/Classes.h"
#include "scene/zr_geometry.h"

class TzrObject;
class TzrControl;
class TzrVisualObject;
class TzrCanvas;
class TzrResources;
class TzrBitmap;

// {16DB110E-DA7D-4E75-BC2D-999FA12E45F5}
inline constexpr const char* IID_IzoRurev = "{16DB110E-DA7D-4E75-BC2D-999FA12E45F5}";

class IzoRurev {
 public:
  // Top-level objects of the scene.
  virtual void AddObject(TzrObject* AObject) = 0;
  virtual void RemoveObject(TzrObject* AObject) = 0;
  // Moving and resizing the owner form with the mouse.
  virtual void BeginDrag() = 0;
  virtual void BeginResize() = 0;
  // Marks a rectangle (scene coordinates) for repaint.
  virtual void AddUpdateRect(const TzrRect& R) = 0;
  // Design-time insertion of an object of the named class.
  virtual void InsertObject(const std::string& ClassName) = 0;
  virtual TzrControl* GetActiveControl() = 0;
  virtual bool GetDisableUpdate() = 0;
  virtual void SetDisableUpdate(bool Value) = 0;
  virtual bool GetDesignTime() = 0;
  virtual TzrCanvas* GetCanvas() = 0;
  // The first top-level object, nil when there is none.
  virtual TzrObject* GetRoot() = 0;
  // The scene's owner (the form) and the scene component itself.
  virtual TComponent* GetOwner() = 0;
  virtual TComponent* GetComponent() = 0;
  virtual TzrResources* GetStyle() = 0;
  virtual void SetStyle(TzrResources* Value) = 0;
  virtual bool GetTransparency() = 0;
  // Re-applies the styles of the scene's controls.
  virtual void UpdateResource() = 0;
  virtual void Notification(TComponent* AComponent, TOperation Operation) = 0;
  virtual TzrVisualObject* GetSelected() = 0;
  virtual TzrVisualObject* GetDesignPlaceObject() = 0;
  virtual int GetUpdateRectsCount() = 0;
  // Pending rectangle Index (0-based, below GetUpdateRectsCount()).
  virtual TzrRect GetUpdateRect(int Index) = 0;
  virtual void SetCaptured(TzrVisualObject* Value) = 0;
  virtual TzrVisualObject* GetCaptured() = 0;
  virtual void SetFocused(TzrVisualObject* Value) = 0;
  virtual TzrVisualObject* GetFocused() = 0;
  virtual void SetDesignRoot(TzrVisualObject* Value) = 0;
  virtual TzrPoint GetMousePos() = 0;
  // Scene point to screen point (coordinates truncated to whole pixels).
  virtual TzrPoint LocalToScreen(const TzrPoint& Point) = 0;
  // Starts a framework drag of Source with ABitmap as drag image.
  virtual void BeginVCLDrag(TObject* Source, TzrBitmap* ABitmap) = 0;
  virtual void DoDesignSelect(TObject* AObject) = 0;
  virtual bool GetAnimatedCaret() = 0;
  // On-screen keyboard hooks: the scene answers false and does nothing.
  virtual bool ShowKeyboardForControl(TzrObject* AObject) = 0;
  virtual bool HideKeyboardForControl(TzrObject* AObject) = 0;

 protected:
  ~IzoRurev() = default;
};

// Marks a node as a size grip: pressing it resizes the scene's form.
class IzrSizeGrip {
 public:
  virtual ~IzrSizeGrip() = default;
};
