#pragma once
// Helpers of the PDF writer tests: the bytes an object writes, a small object
// table, and a process locale with a decimal comma.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <memory>
#include <string>
#include <vector>

#include "files/PdfTypes.h"

inline std::string StreamBytes(TMemoryStream& AStream) {
  return std::string(static_cast<const char*>(AStream.Memory()),
                     static_cast<size_t>(AStream.GetSize()));
}

// The bytes of WriteToStream (the body of a direct object).
inline std::string Written(TPdfObject& AObject) {
  TMemoryStream stream;
  AObject.WriteToStream(stream);
  return StreamBytes(stream);
}

// Numbers objects from 1 and owns them, as the document's table does.
class TTestXref : public TPdfObjectMgr {
 public:
  void AddObject(TPdfObject* AObject) override {
    FObjects.emplace_back(AObject);
    AObject->SetObjectNumber(static_cast<int32_t>(FObjects.size()));
  }
  TPdfObject* GetObject(int32_t ObjectID) override {
    return ObjectID >= 1 && ObjectID <= static_cast<int32_t>(FObjects.size())
               ? FObjects[ObjectID - 1].get()
               : nullptr;
  }

 private:
  std::vector<std::unique_ptr<TPdfObject>> FObjects;
};

// Puts a locale with "," as decimal separator in force for the test; skips
// the test when none can be had.
class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = std::setlocale(LC_ALL, nullptr);
    const std::string name = SelectCommaLocale();
    if (name.empty()) GTEST_SKIP() << "no locale with a decimal comma available";
    std::locale::global(std::locale(name));
  }
  void TearDown() override {
    std::setlocale(LC_ALL, FSaved.c_str());
    std::locale::global(std::locale::classic());
  }

 private:
  static bool HasDecimalComma() { return std::string(std::localeconv()->decimal_point) == ","; }
  static std::string SelectCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
      if (std::setlocale(LC_ALL, name) && HasDecimalComma()) return name;
    const std::string folder = ::testing::TempDir() + "pdf_locales";
    const std::string target = folder + "/de_DE.UTF-8";
    const std::string command = "test -d '" + target + "' || { mkdir -p '" + folder +
                                "' && localedef -i de_DE -f UTF-8 '" + target +
                                "' >/dev/null 2>&1; }";
    if (std::system(command.c_str()) != 0) return "";
    setenv("LOCPATH", folder.c_str(), 1);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") && HasDecimalComma()) return "de_DE.UTF-8";
    return "";
  }
  std::string FSaved;
};

#include "files/PdfCanvas.h"
#include "files/PdfDoc.h"

// The bytes of the current page's contents.
inline std::string PageContents(TPdfDoc& ADoc) {
  return StreamBytes(*ADoc.Canvas()->Contents()->Stream());
}

inline std::string SavedDocument(TPdfDoc& ADoc) {
  TMemoryStream stream;
  ADoc.SaveToStream(stream);
  return StreamBytes(stream);
}

// Runs a call and gives the message it raised (empty when it raised nothing).
template <class E, class F>
std::string MessageOf(F&& ACall) {
  try {
    ACall();
  } catch (const E& e) {
    return e.what();
  }
  return "";
}
