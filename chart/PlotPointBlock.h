#pragma once
// Persistent float points of scene blocks. A coordinate of 0 is streamed
// as its own Boolean entry ("XZero", "YZero", "ZZero") when the default is
// not 0, since 0 is the published default and would otherwise be lost.

#include <functional>

#include "chart/PlotGeometry.h"

class TPointBlock : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TNotifyEvent FOnChanged;
  // Stands for the owning block's repaint; may be empty.
  std::function<void()> IOwnerRepaint;

 protected:
  void DoChanged();
};

class TPointXYFloat : public TPointBlock {
 public:
  explicit TPointXYFloat(float AValue = 0, TNotifyEvent ChangedEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  void InitDefault(double Value);
  float GetX() const { return Point.x; }
  void SetX(float Value);
  float GetY() const { return Point.y; }
  void SetY(float Value);

 private:
  bool IsXStored() const { return Point.x != IDefault; }
  bool IsYStored() const { return Point.y != IDefault; }
  double IDefault;
  TPointF Point;
};

class TPointXYZFloat : public TPointBlock {
 public:
  explicit TPointXYZFloat(double AValue = 0, TNotifyEvent ChangedEvent = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  void InitDefault(float Value);
  // Reads X; writing sets all three and always notifies.
  float GetValue() const { return Point.x; }
  void SetValue(float Value);
  float GetX() const { return Point.x; }
  void SetX(float Value);
  float GetY() const { return Point.y; }
  void SetY(float Value);
  float GetZ() const { return Point.z; }
  void SetZ(float Value);
  void SetPoint(float X, float Y, float Z);
  TPoint3DInt AsRound() const;

 private:
  bool IsXStored() const { return Point.x != IDefault; }
  bool IsYStored() const { return Point.y != IDefault; }
  bool IsZStored() const { return Point.z != IDefault; }
  float IDefault;
  TPoint3DSingle Point;
};
