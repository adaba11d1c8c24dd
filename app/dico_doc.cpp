#include "app/dico_doc.h"

#include "app/dico_app.h"
#include "app/resource.h"
#include "framework/strings.h"

bool CDicoDoc::OnNewDocument() {
  m_pDictionary.reset();
  std::string path;
  if (!TheDicoApp().FindProgramFile(LoadResourceString(IDS_DICTIONARY_FILE), 0, IDS_DATA_FOLDER,
                                    path)) {
    return false;
  }
  m_pDictionary = std::make_unique<DictionaryFile>(path.c_str());
  return m_pDictionary->IsValid();
}

bool CDicoDoc::OnOpenDocument(const char*) { return false; }
