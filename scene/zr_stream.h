#pragma once
// Object streams in binary form ("TPF0"): one root component record with its
// published properties, class-defined properties and children, recursively.
//
// TWriter writes a component and its stored subtree; TReader reads a stream
// into an existing root, creating the children by registered class name.
// Readers check every length against the data and limit the nesting, so a
// truncated or corrupt stream raises EReadError instead of reading past its
// end. Errors of content (an unknown property or class, a value of the wrong
// kind) go to the reader's error handler, which may declare them handled:
// the value or record is then skipped and reading goes on.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Variants.h"

class TReader;
class TWriter;
class TClassInfo;
class TPropInfo;
class TCollection;

// A stream that breaks the format (truncated, a bad tag or length, nesting
// beyond the limit): ends the read. Other errors raised while reading (also
// read errors of a class's own data) are errors of content.
class EObjectStreamError : public EReadError {
 public:
  using EReadError::EReadError;
};

// Value tags of the binary form.
enum class TValueType : uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  UTF8String = 20,
  Double = 21,
};
constexpr int MaxValueTag = 21;

// Limit of nested components, lists and collections in one stream.
constexpr int MaxStreamNesting = 128;

// 80-bit extended-precision float: 64-bit mantissa with explicit integer bit,
// then sign and 15-bit exponent (bias 16383), little-endian.
void ExtendedToBytes(long double Value, uint8_t Bytes[10]);
long double BytesToExtended(const uint8_t Bytes[10]);

// The tag the writers choose for a text: ASCII up to 255 bytes String, longer
// ASCII LString, mostly non-ASCII (UTF-8 at least twice the UTF-16 length)
// WString, other non-ASCII UTF8String; the empty text WString.
TValueType StringValueType(const std::string& Utf8);

// The cursor constants by name, for cursor properties (.Idents(CursorIdents())).
const TIdentMap& CursorIdents();

// What classes see of a reader or writer in DefineProperties.
class TFiler : public TObject {
 public:
  using TReaderProc = std::function<void(TReader* Reader)>;
  using TWriterProc = std::function<void(TWriter* Writer)>;
  using TStreamProc = std::function<void(TStream* Stream)>;

  // A property stored with the reader's and writer's own value calls.
  virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  // A property stored as one binary value.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
  TComponent* GetRoot() const { return FRoot; }

 protected:
  TComponent* FRoot = nullptr;
};

class TReader : public TFiler {
 public:
  // Reads from the stream's current position; after reading, the stream is
  // left right after the data that was consumed.
  explicit TReader(TStream* AStream);
  ~TReader() override;
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  // Every name read is replaced by the empty text.
  bool IgnoreNames = false;
  // Called for each error of content; true declares it handled (the value or
  // record is skipped). Without a handler such errors are raised.
  std::function<bool(const std::string& Message)> OnError;

  // Reads "TPF0" and one component into Root (see the object tree for how
  // names of the root are treated).
  void ReadRootComponent(TComponent* Root);
  // Reads "TPF0", an optional prefix and the root's class name, and stops.
  std::string ReadRootClassName();

  // ---- values, for DefineProperties readers
  TValueType NextValue();
  TValueType ReadValue();
  void CheckValue(TValueType Value);
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  int32_t ReadInteger();
  int64_t ReadInt64();
  long double ReadFloat();
  std::string ReadString();
  std::u16string ReadWideString();
  bool ReadBoolean();
  std::string ReadIdent();
  void SkipValue();
  // Reads property entries into Instance up to and including the list end
  // (for DefineProperties readers of object lists).
  void ReadObjectProperties(TPersistent* Instance) { ReadProperties(Instance, nullptr); }
  // Bytes of the data read so far (from the reader's start).
  size_t Position() const { return FPos; }
  // Inside OnError: where the property entry or component record that the
  // error concerns begins (bytes from the reader's start).
  size_t ErrorPosition() const { return FErrorPos; }

  // ---- raw parts, for the text converter
  void ReadSignature();
  // The optional prefix: Flags (1 inherited, 2 position, 4 inline), Position or -1.
  void ReadPrefix(int& Flags, int& Position);
  std::string ReadStr() { return ReadShortString(); }
  void ReadBytes(void* Buffer, size_t Count);
  // Checks that Count more bytes are there.
  void Need(size_t Count);
  // Counts one more level of nesting; raises EReadError beyond the limit.
  void EnterNesting();
  void LeaveNesting() { --FNesting; }

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

 private:
  struct TFixup {
    TComponent* Instance;  // the component whose property (or nested object's) waits
    TObject* Target;
    const TPropInfo* Prop;
    std::string Name;
    size_t Position;  // of the property entry
  };

  uint8_t ReadByte();
  std::string ReadShortString();
  void ReadComponent(TComponent* Parent, int Depth);
  void SkipComponent(int Depth);
  void SkipComponentBody(int Depth);
  void ReadData(TComponent* Instance, int Depth);
  void ReadProperties(TPersistent* Instance, TComponent* Owner);
  void ReadProperty(TPersistent* Instance, TComponent* Owner);
  void ReadPropValue(TObject* Instance, const TPropInfo* Prop, TComponent* Owner);
  void ReadIntegerProp(TObject* Instance, const TPropInfo* Prop);
  void ReadObjectProp(TObject* Instance, const TPropInfo* Prop, TComponent* Owner);
  void ReadEventProp(TObject* Instance, const TPropInfo* Prop);
  Variant ReadVariant();
  void ReadCollection(TCollection* Collection, TComponent* Owner);
  bool ReadDefinedProperty(TObject* Instance, const std::string& Name);
  void HandleError(const std::exception& Error);
  void FixupReferences();

  TStream* FStream;
  std::vector<uint8_t> FOwned;
  const uint8_t* FData = nullptr;
  size_t FSize = 0;
  size_t FPos = 0;
  size_t FErrorPos = 0;
  size_t FEntryPos = 0;  // the property entry being read
  int64_t FStart = 0;
  int FNesting = 0;
  std::string FPropName;  // the defined property name on offer
  std::vector<TComponent*> FLoaded;
  std::vector<TFixup> FFixups;
};

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream* AStream);
  ~TWriter() override;  // flushes
  TWriter(const TWriter&) = delete;
  TWriter& operator=(const TWriter&) = delete;

  // Writes "TPF0" and Root with its stored subtree.
  void WriteRootComponent(TComponent* Root);
  void FlushBuffer();

  // ---- values, for DefineProperties writers
  void WriteValue(TValueType Value);
  void WriteListBegin() { WriteValue(TValueType::List); }
  void WriteListEnd() { WriteValue(TValueType::Null); }
  // The smallest of the integer tags.
  void WriteInteger(int64_t Value);
  void WriteFloat(long double Value);
  void WriteSingle(float Value);
  void WriteDouble(double Value);
  void WriteCurrency(int64_t ValueTimes10000);
  void WriteDate(double Days);
  // UTF-8 text, with the tag StringValueType chooses.
  void WriteString(const std::string& Value);
  void WriteWideString(const std::u16string& Value);
  void WriteBoolean(bool Value);
  void WriteIdent(const std::string& Ident);
  void WriteBinary(const void* Data, size_t Count);
  // Writes Instance's stored properties (for DefineProperties writers of
  // object lists); the caller ends the list.
  void WriteObjectProperties(TPersistent* Instance) { WriteProperties(Instance, ""); }

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

  // ---- raw parts, for the text converter
  void Write(const void* Data, size_t Count);
  void WriteByte(uint8_t Value) { Write(&Value, 1); }
  // A short string (cut to 255 bytes).
  void WriteStr(const std::string& Value) { WriteShortString(Value); }
  // Bytes written so far, "TPF0" included.
  size_t Written() const { return FWritten; }

 private:
  void WriteShortString(const std::string& Value);
  void WritePropName(const std::string& Name);
  void WriteComponent(TComponent* Component);
  void WriteProperties(TPersistent* Instance, const std::string& Prefix);
  void WriteProperty(TPersistent* Instance, const TPropInfo* Prop, const std::string& Prefix);
  void WriteOrdinalProp(TPersistent* Instance, const TPropInfo* Prop, const std::string& Path);
  void WriteVariantProp(TPersistent* Instance, const TPropInfo* Prop, const std::string& Path);
  void WriteObjectProp(TPersistent* Instance, const TPropInfo* Prop, const std::string& Path);
  void WriteCollection(TCollection* Collection);
  std::string ReferenceName(TComponent* Component) const;

  TStream* FStream;
  std::vector<uint8_t> FBuffer;
  size_t FWritten = 0;
  std::string FPrefix;
};
