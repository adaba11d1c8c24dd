// The dictionary lists show a dictionary that the viewer's document owns and
// sit in the viewer's lookup view. They reach both through these interfaces,
// so that the display depends on nothing of the application.
#pragma once
#include "dictionary/dictionary_file.h"
#include "dictionary/text.h"

// The document: the lists ask it for the dictionary on every use and never
// keep it.
class DictionaryDocument {
 public:
  // Null while no dictionary is open.
  virtual DictionaryFile* GetDictionary() const = 0;

 protected:
  ~DictionaryDocument() = default;
};

// The view whose children the lists are.
class LookupView {
 public:
  // The source language of look-ups.
  virtual Language GetSourceLanguage() const = 0;
  // Puts the text into the search box, selects all of it, focuses the box and
  // looks the text up, as if the user had typed it.
  virtual void SetSearchText(const Text& text) = 0;
  // Swaps the source language and the direction buttons.
  virtual void OnChangeTargetLanguage() = 0;

 protected:
  ~LookupView() = default;
};
