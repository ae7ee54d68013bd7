#pragma once
// The PDF writer's object model: typed objects that hold their values in
// memory and write themselves in PDF syntax onto a byte stream.
//
// Syntax is ASCII. Text inside strings is encoded explicitly: a shown text by
// the code page of the font it is shown in, characters it lacks becoming "?";
// a text string (document information, outline titles) as Windows-1252 when
// it fits, else as UTF-16BE with a byte-order mark.
// Literal strings are escaped after encoding, so a double-byte character whose
// second byte is a backslash or a parenthesis stays intact.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

class EPdfInvalidValue : public Exception {
 public:
  using Exception::Exception;
};
class EPdfInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// Days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

enum TPdfObjectType { otDirectObject, otIndirectObject, otVirtualObject };
struct TPdfRect {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
};
enum TPdfAlignment { paLeftJustify, paRightJustify, paCenter };

// The code pages texts are written in.
enum class TPdfEncoding { Win1252, GBK, ShiftJIS };

class TPdfObject;

// The object table: registers indirect objects and finds them by number.
class TPdfObjectMgr {
 public:
  virtual ~TPdfObjectMgr() = default;
  virtual void AddObject(TPdfObject* AObject) = 0;
  virtual TPdfObject* GetObject(int32_t ObjectID) = 0;
};

class TPdfObject : public TObject {
 public:
  std::string ClassName() const override { return "TPdfObject"; }
  int32_t ObjectNumber() const { return FObjectNumber; }
  int32_t GenerationNumber() const { return FGenerationNumber; }
  TPdfObjectType ObjectType() const { return FObjectType; }
  // A number above 0 makes the object indirect, any other direct.
  void SetObjectNumber(int32_t Value);
  // A reference ("5 0 R") for indirect and virtual objects, else the body.
  void WriteToStream(TStream& AStream);
  // The numbered object with its body; only for indirect objects.
  void WriteValueToStream(TStream& AStream);

 protected:
  virtual void WriteBody(TStream& AStream) { (void)AStream; }
  TPdfObjectType FObjectType = otDirectObject;
  int32_t FObjectNumber = -1;
  int32_t FGenerationNumber = 0;
};

class TPdfNull : public TPdfObject {
 protected:
  void WriteBody(TStream& AStream) override;
};

class TPdfBoolean : public TPdfObject {
 public:
  explicit TPdfBoolean(bool AValue) : FValue(AValue) {}
  bool Value() const { return FValue; }
  void SetValue(bool AValue) { FValue = AValue; }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  bool FValue;
};

class TPdfNumber : public TPdfObject {
 public:
  explicit TPdfNumber(int32_t AValue = 0) : FValue(AValue) {}
  int32_t Value() const { return FValue; }
  void SetValue(int32_t AValue) { FValue = AValue; }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  int32_t FValue;
};

class TPdfReal : public TPdfObject {
 public:
  explicit TPdfReal(double AValue = 0) : FValue(AValue) {}
  double Value() const { return FValue; }
  void SetValue(double AValue) { FValue = AValue; }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  double FValue;
};

// A byte string: literal, or hexadecimal codes when it holds a surrogate.
class TPdfString : public TPdfObject {
 public:
  explicit TPdfString(std::u16string AValue = {}) : FValue(std::move(AValue)) {}
  const std::u16string& Value() const { return FValue; }
  void SetValue(std::u16string AValue) { FValue = std::move(AValue); }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::u16string FValue;
};

// A text string: literal Windows-1252 when every character has a code there,
// else UTF-16BE after a byte-order mark, so that any text reads back whole.
class TPdfText : public TPdfObject {
 public:
  explicit TPdfText(std::u16string AValue = {}) : FValue(std::move(AValue)) {}
  const std::u16string& Value() const { return FValue; }
  void SetValue(std::u16string AValue) { FValue = std::move(AValue); }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::u16string FValue;
};

class TPdfName : public TPdfObject {
 public:
  explicit TPdfName(std::u16string AValue = {}) : FValue(std::move(AValue)) {}
  const std::u16string& Value() const { return FValue; }
  void SetValue(std::u16string AValue) { FValue = std::move(AValue); }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::u16string FValue;
};

// Stands in a container for an indirect object, by its number.
class TPdfVirtualObject : public TPdfObject {
 public:
  explicit TPdfVirtualObject(int32_t AObjectId);
};

class TPdfArray : public TPdfObject {
 public:
  explicit TPdfArray(TPdfObjectMgr* AObjectMgr) : FObjectMgr(AObjectMgr) {}
  static TPdfArray* CreateNumArray(TPdfObjectMgr* AObjectMgr, const std::vector<int32_t>& AArray);

  // Appends AItem (owned from then on) or, for an indirect object, a
  // placeholder of it; an item already held is not added again.
  void AddItem(TPdfObject* AItem);
  // The item, placeholders resolved through the object manager.
  TPdfObject* Items(int Index) const;
  int ItemCount() const { return static_cast<int>(FArray.size()); }
  TPdfObjectMgr* ObjectMgr() const { return FObjectMgr; }
  TPdfName* FindName(const std::u16string& AName) const;
  bool RemoveName(const std::u16string& AName);

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::vector<std::unique_ptr<TPdfObject>> FArray;
  TPdfObjectMgr* FObjectMgr;
};

class TPdfDictionaryElement {
 public:
  TPdfDictionaryElement(const std::u16string& AKey, TPdfObject* AValue, bool AIsInternal = false);
  const std::u16string& Key() const { return FKey->Value(); }
  TPdfObject* Value() const { return FValue.get(); }
  bool IsInternal() const { return FIsInternal; }

 private:
  std::unique_ptr<TPdfName> FKey;
  std::unique_ptr<TPdfObject> FValue;
  bool FIsInternal;
};

class TPdfDictionary : public TPdfObject {
 public:
  explicit TPdfDictionary(TPdfObjectMgr* AObjectMgr) : FObjectMgr(AObjectMgr) {}

  // Replaces an element of the same key; the key moves to the end. A direct
  // value the dictionary holds already is refused (nothing changes).
  void AddItem(const std::u16string& AKey, TPdfObject* AValue);
  void AddNumberItem(const std::u16string& AKey, int32_t AValue);
  void AddNameItem(const std::u16string& AKey, const std::u16string& AValue);
  // An element kept for the program's bookkeeping, never written.
  void AddInternalItem(const std::u16string& AKey, TPdfObject* AValue);
  void RemoveItem(const std::u16string& AKey);
  // The value, placeholders resolved; nil when missing or unresolvable.
  TPdfObject* ValueByName(const std::u16string& AKey) const;
  // ValueByName of the named kind; nil when the key holds another kind.
  TPdfBoolean* PdfBooleanByName(const std::u16string& AKey) const;
  TPdfNumber* PdfNumberByName(const std::u16string& AKey) const;
  TPdfText* PdfTextByName(const std::u16string& AKey) const;
  TPdfReal* PdfRealByName(const std::u16string& AKey) const;
  TPdfString* PdfStringByName(const std::u16string& AKey) const;
  TPdfName* PdfNameByName(const std::u16string& AKey) const;
  TPdfDictionary* PdfDictionaryByName(const std::u16string& AKey) const;
  TPdfArray* PdfArrayByName(const std::u16string& AKey) const;
  TPdfDictionaryElement* Items(int Index) const { return FArray[Index].get(); }
  int ItemCount() const { return static_cast<int>(FArray.size()); }
  TPdfObjectMgr* ObjectMgr() const { return FObjectMgr; }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  void Append(const std::u16string& AKey, TPdfObject* AValue, bool AIsInternal);
  std::vector<std::unique_ptr<TPdfDictionaryElement>> FArray;
  TPdfObjectMgr* FObjectMgr;
};

// Attributes and data; written uncompressed with its "Length".
class TPdfStream : public TPdfObject {
 public:
  explicit TPdfStream(TPdfObjectMgr* AObjectMgr);
  TPdfDictionary* Attributes() const { return FAttributes.get(); }
  TMemoryStream* Stream() const { return FStream.get(); }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::unique_ptr<TPdfDictionary> FAttributes;
  std::unique_ptr<TMemoryStream> FStream;
};

class TPdfXObject : public TPdfStream {
 public:
  using TPdfStream::TPdfStream;
};
class TPdfImage : public TPdfXObject {
 public:
  using TPdfXObject::TPdfXObject;
};

// Bytes written unchanged.
class TPdfBinary : public TPdfObject {
 public:
  TPdfBinary() : FStream(std::make_unique<TMemoryStream>()) {}
  TMemoryStream* Stream() const { return FStream.get(); }

 protected:
  void WriteBody(TStream& AStream) override;

 private:
  std::unique_ptr<TMemoryStream> FStream;
};

// Holds a dictionary that the object table owns.
class TPdfDictionaryWrapper : public TPersistent {
 public:
  TPdfDictionary* Data() const { return FData; }
  virtual void SetData(TPdfDictionary* AData) { FData = AData; }
  bool HasData() const { return FData != nullptr; }

 protected:
  TPdfDictionary* FData = nullptr;
};

// Text rules of the syntax.
void WriteText(const std::string& ABytes, TStream& AStream);
// The text in a code page; characters it lacks become "?".
std::string EncodeText(const std::u16string& AText, TPdfEncoding AEncoding);
// True when every character of the text has a code in the code page.
bool FitsCodePage(const std::u16string& AText, TPdfEncoding AEncoding);
bool HasWideChars(const std::u16string& AText);
// Backslash escapes of a literal string's bytes.
std::string EscapeLiteral(const std::string& ABytes);
// "(" escaped bytes ")" of the text in a code page.
std::string LiteralString(const std::u16string& AText, TPdfEncoding AEncoding);
std::string HexOfCodes(const std::u16string& AText);
std::string HexOfUtf16(const std::u16string& AText);
std::string EncodeName(const std::u16string& AName);
// Hundredths, halves away from zero, "." as separator, no trailing zeros.
std::string FormatReal(double AValue);
std::string FormatPdfDate(TDateTime ADate);
// Raises EConvertError unless the text is "D:" and 14 digits.
TDateTime ParsePdfDate(const std::string& AText);
TDateTime PdfNow();
TDateTime EncodePdfDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second);
std::u16string DictionaryType(const TPdfDictionary* ADictionary);
