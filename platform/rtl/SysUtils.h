#pragma once
// Exceptions and text conversions of the run-time layer.

#include <stdexcept>
#include <string>

// Root of the program's exceptions; the message is UTF-8.
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const char* what() const noexcept override { return FMessage.c_str(); }
  const std::string& Message() const { return FMessage; }

private:
  std::string FMessage;
};

// Silent abort: caught by the message loop without being shown.
class EAbort : public Exception {
public:
  using Exception::Exception;
};
class EConvertError : public Exception {
public:
  using Exception::Exception;
};
class EStreamError : public Exception {
public:
  using Exception::Exception;
};
class EFOpenError : public EStreamError {
public:
  using EStreamError::EStreamError;
};
class EListError : public Exception {
public:
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};
// An object used as a class it is not ("Invalid class typecast").
class EInvalidCast : public Exception {
public:
  using Exception::Exception;
};
// A value outside the range it must lie in.
class ERangeError : public Exception {
public:
  using Exception::Exception;
};
// An operation a derived class must supply was called on its base.
class EAbstractError : public Exception {
public:
  using Exception::Exception;
};

// The text with ASCII letters lowered; other bytes (UTF-8 sequences) unchanged.
std::string LowerCase(std::string text);
// The extension of a file name with its dot (".png"), empty when the last
// path segment has none.
std::string ExtractFileExt(const std::string& fileName);

// UTF-8 <-> UTF-16. Invalid input sequences become U+FFFD; nothing throws.
std::u16string UTF8ToUTF16(const std::string& text);
std::string UTF16ToUTF8(const std::u16string& text);
