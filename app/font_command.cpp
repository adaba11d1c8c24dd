// The Font command: the dictionary font of both lists, chosen in the system's
// font dialog and kept in the settings.
#include "app/dico_app.h"
#include "app/dico_view.h"
#include "app/resource.h"
#include "framework/user_dialogs.h"

void CDicoView::OnFont() {
  LOGFONTA font = {};
  if (!m_pMainList || !m_pMainList->m_pFontPlain ||
      !GetObjectA(m_pMainList->m_pFontPlain, sizeof font, &font)) {
    return;
  }
  int size = 0;
  if (!TheUserDialogs().ChooseFontDialog(m_hWnd, font, size)) return;
  // Only the face and the size count: style, effects and colour are the lists' own.
  m_strFontName = font.lfFaceName;
  m_nFontSize = size;
  m_pMainList->SetDisplayFont(m_nFontSize, m_strFontName.c_str());
  if (m_pReverseList) m_pReverseList->SetDisplayFont(m_nFontSize, m_strFontName.c_str());
  const CDicoApp& app = TheDicoApp();
  app.WriteSetting(IDS_FONT, m_strFontName);
  app.WriteSettingInt(IDS_FONT_SIZE, m_nFontSize);
}
