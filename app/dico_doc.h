// The viewer's one document: the compiled dictionary, opened at start-up and
// kept for the whole run. It has nothing to save.
#pragma once
#include <memory>

#include "dictionary/dictionary_file.h"
#include "display/dico_list_host.h"
#include "framework/document.h"

// The dictionary lists read the dictionary through it.
class CDicoDoc : public Document, public DictionaryDocument {
 public:
  // Opens fr_en.vbd where FindProgramFile finds it; false when it cannot be
  // found or is not a valid dictionary.
  bool OnNewDocument() override;
  // The viewer opens no document by name.
  bool OnOpenDocument(const char* path) override;

  DictionaryFile* GetDictionary() const override { return m_pDictionary.get(); }

 private:
  std::unique_ptr<DictionaryFile> m_pDictionary;
};
