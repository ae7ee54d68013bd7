#pragma once
// A main window over a language file of its own, in a program folder of its
// own, before the texts are applied: the state the create handler has when it
// applies them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/Captions.h"
#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_compound.h"
#include "controls/zr_labels.h"
#include "controls/zr_text_control.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"

class LanguageWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvasGdiPlus();  // pictures are read through the canvas's codecs
    std::string pattern = (std::filesystem::temp_directory_path() / "esclangXXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Folder = pattern;
    SetProgramFolder(Folder.string() + "/");
  }
  void TearDown() override {
    Form.reset();
    SetProgramFolder("");
    std::filesystem::remove_all(Folder);
  }

  // A new window over a language file of that text.
  TfrmInterface& Open(const std::string& lang) {
    Form.reset();
    std::ofstream(Folder / "lang.ini", std::ios::binary) << lang;
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->OpenLanguageFile();
    Form->FCheckUpdates = true;  // as the create handler sets it
    return *Form;
  }

  // What the binding's property shows now.
  std::string Shown(const TCaptionBinding& b) const {
    TComponent* c = Form->FindComponent(b.Component);
    switch (b.Property) {
      case TCaptionProperty::Caption:
        return dynamic_cast<TMenuItem&>(*c).GetCaption();
      case TCaptionProperty::TextLabel:
        return UTF16ToUTF8(dynamic_cast<TzrCompoundControl&>(*c).GetTextLabel()->GetText());
      case TCaptionProperty::Text:
        break;
    }
    return UTF16ToUTF8(dynamic_cast<TzrTextControl&>(*c).GetText());
  }
  template <class T>
  T* Find(const std::string& name) const {
    T* component = dynamic_cast<T*>(Form->FindComponent(name));
    EXPECT_NE(component, nullptr) << name;
    return component;
  }
  std::string Text(const std::string& name) const {
    return UTF16ToUTF8(dynamic_cast<TzrTextControl&>(*Form->FindComponent(name)).GetText());
  }
  std::string Caption(const std::string& name) const {
    return dynamic_cast<TMenuItem&>(*Form->FindComponent(name)).GetCaption();
  }

  std::filesystem::path Folder;
  std::unique_ptr<TfrmInterface> Form;
};
