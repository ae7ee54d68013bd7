#include "tests/scene/object_fixture.h"

#include <cstdio>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_ani.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo AlignInfo("TTestAlign", {"taNone", "taTop", "taClient"});
const TEnumInfo CornerInfo("TTestCorner", {"crTopLeft", "crTopRight", "crBottomLeft"});

}  // namespace

// ---------------------------------------------------------------- value objects

const TClassInfo* TTestPosition::Class() {
  static const TClassInfo* info = TClassDecl<TTestPosition>("TTestPosition", TPersistent::Class())
                                      .Prop("X", &TTestPosition::GetX, &TTestPosition::SetX)
                                      .Stored(false)
                                      .Prop("Y", &TTestPosition::GetY, &TTestPosition::SetY)
                                      .Stored(false);
  return info;
}

void TTestPosition::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "Point",
      [this](TReader* R) {
        if (std::sscanf(R->ReadString().c_str(), "(%f,%f)", &X, &Y) != 2)
          throw EConvertError("Invalid point");
      },
      [this](TWriter* W) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "(%g,%g)", X, Y);
        W->WriteString(buf);
      },
      X != 0 || Y != 0);
}

const TClassInfo* TTestBrush::Class() {
  static const TClassInfo* info = TClassDecl<TTestBrush>("TTestBrush", TPersistent::Class())
                                      .Prop("Color", &TTestBrush::GetColor, &TTestBrush::SetColor);
  return info;
}

const TClassInfo* TTestLines::Class() {
  static const TClassInfo* info = TClassDecl<TTestLines>("TTestLines", TPersistent::Class());
  return info;
}

void TTestLines::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "strings",
      [this](TReader* R) {
        Lines.clear();
        R->ReadListBegin();
        while (!R->EndOfList()) Lines.push_back(R->ReadWideString());
        R->ReadListEnd();
      },
      [this](TWriter* W) {
        W->WriteListBegin();
        for (const auto& line : Lines) W->WriteWideString(line);
        W->WriteListEnd();
      },
      !Lines.empty());
}

const TClassInfo* TTestBitmap::Class() {
  static const TClassInfo* info = TClassDecl<TTestBitmap>("TTestBitmap", TPersistent::Class());
  return info;
}

void TTestBitmap::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "PNG",
      [this](TStream* S) {
        Bytes.resize(size_t(S->GetSize()));
        if (!Bytes.empty()) S->ReadBuffer(Bytes.data(), int32_t(Bytes.size()));
        // Data that announces more than it holds: the class's own read fails.
        if (!Bytes.empty() && Bytes[0] == 0xEE) {
          uint8_t more;
          S->ReadBuffer(&more, 1);
        }
      },
      [this](TStream* S) {
        if (!Bytes.empty()) S->WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
      },
      !Bytes.empty());
}

const TClassInfo* TTestPoint::Class() {
  static const TClassInfo* info =
      TClassDecl<TTestPoint>("TTestPoint", TCollectionItem::Class())
          .Prop("Offset", &TTestPoint::GetOffset, &TTestPoint::SetOffset)
          .Prop("Color", &TTestPoint::GetColor, &TTestPoint::SetColor);
  return info;
}

void TTestPoint::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TTestPoint*>(Source);
  if (!other) return TCollectionItem::Assign(Source);
  Offset = other->Offset;
  Color = other->Color;
}

// ---------------------------------------------------------------- nodes

TTestNode::TTestNode(TComponent* AOwner) : TzrObject(AOwner) {}

TTestNode::~TTestNode() {
  delete Position;
  delete Fill;
  delete Items;
  delete Bitmap;
  delete Points;
  delete Extra;
}

void TTestNode::SetBuddy(TTestNode* V) {
  if (Buddy) Buddy->RemoveFreeNotification(this);
  Buddy = V;
  if (Buddy) Buddy->FreeNotification(this);
}

void TTestNode::Notification(TComponent* AComponent, TOperation Operation) {
  TzrObject::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == Buddy) Buddy = nullptr;
}

void TTestNode::Loaded() {
  TzrObject::Loaded();
  ++LoadedCalls;
}

const TClassInfo* TTestNode::Class() {
  static const TClassInfo* info =
      TClassDecl<TTestNode>("TTestNode", TzrObject::Class())
          .Prop("Width", &TTestNode::GetWidth, &TTestNode::SetWidth)
          .Default(0)
          .Prop("Opacity", &TTestNode::GetOpacity, &TTestNode::SetOpacity)
          .Prop("Visible", &TTestNode::GetVisible, &TTestNode::SetVisible)
          .Default(1)
          .Prop("Enabled", &TTestNode::GetEnabled, &TTestNode::SetEnabled)
          .Enum("Align", &TTestNode::GetAlign, &TTestNode::SetAlign, AlignInfo)
          .Default(taNone)
          .Set("Corners", &TTestNode::GetCorners, &TTestNode::SetCorners, CornerInfo)
          .Default(0)
          .Prop("Caption", &TTestNode::GetCaption, &TTestNode::SetCaption)
          .Default(0)
          .Prop("Text", &TTestNode::GetText, &TTestNode::SetText)
          .Prop("Big", &TTestNode::GetBig, &TTestNode::SetBig)
          .Default(0)
          .Prop("Cursor", &TTestNode::GetCursor, &TTestNode::SetCursor)
          .Default(0)
          .Idents(CursorIdents())
          .Prop("Color", &TTestNode::GetColor, &TTestNode::SetColor)
          .Default(0)
          .Prop("Buddy", &TTestNode::GetBuddy, &TTestNode::SetBuddy)
          .Prop("Position", &TTestNode::GetPosition, nullptr)
          .Prop("Fill", &TTestNode::GetFill, nullptr)
          .Prop("Items", &TTestNode::GetItems, nullptr)
          .Prop("Bitmap", &TTestNode::GetBitmap, nullptr)
          .Prop("Points", &TTestNode::GetPoints, nullptr)
          .Prop("Extra", &TTestNode::GetExtra, &TTestNode::SetExtra)
          .Prop("Value", &TTestNode::GetValue, &TTestNode::SetValue)
          .Event("OnClick", &TTestNode::OnClick);
  return info;
}

const TClassInfo* TTestForm::Class() {
  static const TClassInfo* info = TClassDecl<TTestForm>("TTestForm", TTestNode::Class())
                                      .Method("ButtonClick", &TTestForm::ButtonClick);
  return info;
}

const TClassInfo* TTestControl::Class() {
  static const TClassInfo* info = TClassDecl<TTestControl>("TTestControl", TTestNode::Class());
  return info;
}

const TClassInfo* TTestPart::Class() {
  static const TClassInfo* info = TClassDecl<TTestPart>("TTestPart", TTestNode::Class());
  return info;
}

// ---------------------------------------------------------------- animation and effect

const TClassInfo* TTestAnimation::Class() {
  static const TClassInfo* info = TClassDecl<TTestAnimation>("TTestAnimation", TzrObject::Class());
  return info;
}

void TTestAnimation::Start() {
  ++Starts;
  Running = true;
}

void TTestAnimation::Stop() {
  ++Stops;
  Running = false;
}

void TTestAnimation::StartTrigger(TzrObject* AInstance, const std::string& ATrigger) {
  Triggers.push_back(AInstance->GetName() + ":" + ATrigger);
  Start();
}

const TClassInfo* TTestEffect::Class() {
  static const TClassInfo* info = TClassDecl<TTestEffect>("TTestEffect", TzrObject::Class());
  return info;
}

// ---------------------------------------------------------------- helpers

void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterAnimationClasses();
  RegisterZRObjects("Test", {TTestNode::Class(), TTestForm::Class(), TTestControl::Class(),
                             TTestPart::Class(), TTestAnimation::Class(), TTestEffect::Class()});
}

std::string StreamBytes(TStream& S) {
  const int64_t size = S.GetSize();
  std::string bytes(size_t(size), '\0');
  S.SetPosition(0);
  if (size) S.ReadBuffer(bytes.data(), int32_t(size));
  return bytes;
}

TMemoryStream* MemoryFrom(const std::string& Bytes) {
  auto* m = new TMemoryStream;
  if (!Bytes.empty()) m->WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
  m->SetPosition(0);
  return m;
}

std::string TextOf(TzrObject* Node) {
  TMemoryStream text;
  Node->SaveToStream(&text);
  return StreamBytes(text);
}

std::string BinaryOf(TzrObject* Node) {
  TMemoryStream bin;
  Node->SaveToBinStream(&bin);
  return StreamBytes(bin);
}
