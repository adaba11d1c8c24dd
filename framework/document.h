// A document: the data a frame and its view show. It takes part in command
// routing after the view.
#pragma once
#include <string>

#include "framework/command_target.h"

class Document : public CommandTarget {
 public:
  std::string m_strTitle = "Untitled";

  // Prepares a new document; false refuses it.
  virtual bool OnNewDocument() { return true; }
  // Opens the named document; this framework stores no documents of its own,
  // so a document class that can open files says so here.
  virtual bool OnOpenDocument(const char* path) {
    (void)path;
    return false;
  }
};
