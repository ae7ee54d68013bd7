#pragma once
// The main window's captions that the language file can change: one table of
// bindings from a key's base name to the component and property it sets. The
// defaults come from the key catalogue (app/LangCommon.h): language pairs for
// the bindings read with a literal "chs"/"eng" key, LangKey texts for the
// others.

#include <string>

#include "app/LangCommon.h"

// Where a caption goes.
enum class TCaptionProperty {
  Text,       // the text of a label, button, check or radio box or group box
  Caption,    // the caption of a menu item
  TextLabel,  // the text of a compound box's label
};

// When a caption is applied, and how its key is made.
enum class TCaptionGroup {
  DataLinkItems,  // LangKey texts, right after the starting language is settled
  LanguagePairs,  // literal "chs"/"eng" keys, in the branch of the language
  KeyTexts,       // LangKey texts, after the language pairs
};

struct TCaptionBinding {
  TCaptionGroup Group;
  const char* Base;       // base name of the key
  const char* Component;  // component of the main window
  TCaptionProperty Property;
};

// Every binding, group by group in the order they are applied. The window's
// title (language pair "Title") is composed apart, with the versions.
TLangTable<TCaptionBinding> CaptionBindings();

// The window title: the title text, the program version and the database
// version. In English the database date "yyyy-mm-dd" is shown as
// "mm-dd-yyyy(MM-DD-YY)"; in Chinese it is shown as it stands.
std::string ComposeWindowTitle(const std::string& title, const std::string& softwareVersion,
                               const std::string& databaseVersion, bool chinese);
