// The single-document template: it joins a document class, a frame class and
// a view class with the frame's resources (menu, accelerators, icon and the
// template string, whose first field is the window's title), and opens the
// one document of the application in a new frame.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/document.h"

class FrameWindow;
class FormView;

class SingleDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<Document>()>;
  using FrameFactory = std::function<FrameWindow*()>;  // a self-owned frame
  using ViewFactory = std::function<std::unique_ptr<FormView>()>;

  SingleDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                    ViewFactory makeView);

  template <class D, class F, class V>
  static std::unique_ptr<SingleDocTemplate> Make(UINT resourceId) {
    return std::make_unique<SingleDocTemplate>(
        resourceId, [] { return std::make_unique<D>(); }, [] { return new F(); },
        [] { return std::make_unique<V>(); });
  }

  // Constructs the document, creates the frame with its view, then opens the
  // named document or, with no name, a new one. On success the frame gets its
  // initial update, becomes the application's main window if there is none
  // and is shown as the application's show state says. On failure the frame
  // is destroyed, the document deleted, and the result is null.
  FrameWindow* OpenDocumentFile(const char* path);

  Document* GetDocument() const { return m_pDocument.get(); }
  // Called when the document's frame is gone: the document goes last.
  void CloseDocument() { m_pDocument.reset(); }

 private:
  UINT m_nIDResource;
  DocumentFactory m_makeDocument;
  FrameFactory m_makeFrame;
  ViewFactory m_makeView;
  std::unique_ptr<Document> m_pDocument;
};
