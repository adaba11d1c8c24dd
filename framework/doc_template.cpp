#include "framework/doc_template.h"

#include "framework/application.h"
#include "framework/form_view.h"
#include "framework/frame_window.h"

SingleDocTemplate::SingleDocTemplate(UINT resourceId, DocumentFactory makeDocument,
                                     FrameFactory makeFrame, ViewFactory makeView)
    : m_nIDResource(resourceId),
      m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame)),
      m_makeView(std::move(makeView)) {}

FrameWindow* SingleDocTemplate::OpenDocumentFile(const char* path) {
  m_pDocument = m_makeDocument();
  Document* document = m_pDocument.get();
  FrameWindow* frame = m_makeFrame();
  frame->m_pTemplate = this;
  frame->m_pDocument = document;
  frame->m_pView = m_makeView();
  frame->m_pView->m_pDocument = document;
  // A frame that fails to be created has deleted itself.
  if (!frame->LoadFrame(m_nIDResource)) {
    CloseDocument();
    return nullptr;
  }
  bool opened = path ? document->OnOpenDocument(path) : document->OnNewDocument();
  if (!opened) {
    frame->DestroyWindow();  // closes the document too
    return nullptr;
  }
  Application* app = TheApp();
  if (app && !app->m_pMainWnd) app->m_pMainWnd = frame;
  frame->InitialUpdateFrame(app ? app->m_nCmdShow : SW_SHOWNORMAL);
  return frame;
}
