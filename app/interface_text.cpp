// Texts in the interface language. English texts sit at their own ids; the
// French text of a bilingual-block id is the next id, and the French prompts
// of commands and of the framework's ids are found through a table.
#include "app/dico_app.h"
#include "app/resource.h"
#include "framework/framework_ids.h"
#include "framework/strings.h"

namespace {

struct FrenchId {
  UINT m_nId;
  UINT m_nFrenchId;
};

const FrenchId kFrenchIds[] = {
    {ID_CHANGE_TARGET_LANGUAGE, 12544},
    {ID_VIEW_FONT, 12540},
    {ID_VIEW_SHOW_REVERSE, 12542},
    {ID_VIEW_INTERFACE_LANGUAGE, 12541},
    {ID_VIEW_OPTIONS, 12543},
    {ID_HELP_MANUAL, 12561},
    {ID_HELP_FRENCH_GRAMMAR, 12562},
    {ID_HELP_ENGLISH_GRAMMAR, 12563},
    {ID_HELP_TABLES, 12564},
    {ID_SPEAK, 12567},
    {ID_FILE_OPEN, 12520},
    {ID_EDIT_COPY, 12531},
    {ID_EDIT_CUT, 12532},
    {ID_EDIT_PASTE, 12533},
    {ID_APP_ABOUT, 12509},
    {ID_APP_EXIT, 12508},
    {61184, 12501},  // system menu: Size
    {61185, 12502},  // Move
    {61186, 12503},  // Minimize
    {61187, 12504},  // Maximize
    {61190, 12506},  // Close
    {61202, 12507},  // Restore
    {IDS_IDLE_MESSAGE, 12500},
    {14, 13},  // the manual's help context
    {IDS_MANUAL_TOPIC, IDS_MANUAL_TOPIC_FRENCH},
};

}  // namespace

UINT CDicoApp::GetInterfaceStringId(UINT id) const {
  if (m_nInterfaceLanguage != kFrench) return id;
  if (id >= IDS_BILINGUAL_FIRST && id < IDS_BILINGUAL_LAST) return id + 1;
  for (const FrenchId& entry : kFrenchIds) {
    if (entry.m_nId == id) return entry.m_nFrenchId;
  }
  return id;
}

std::string CDicoApp::LoadInterfaceString(UINT id) const {
  return LoadResourceString(GetInterfaceStringId(id));
}
