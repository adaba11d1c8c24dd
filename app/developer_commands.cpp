// Two commands for whoever prepares the dictionary: compiling a dictionary
// source into the compiled file, and turning a text written on a Macintosh
// into a Windows text. Both ask for a source and a destination file and
// report nothing.
#include <cstdio>
#include <string>

#include "app/dico_view.h"
#include "dictionary/dictionary_builder.h"
#include "dictionary/mac_text.h"
#include "framework/user_dialogs.h"

namespace {

using FileTransform = void (*)(std::FILE* source, std::FILE* destination);

void BuildDictionary(std::FILE* source, std::FILE* destination) {
  DictionaryBuilder().Build(source, destination);
}

// Asks for the source in an open dialog and, once it is chosen, for the
// destination in a save dialog, which asks before overwriting a file.
bool ChooseSourceAndDestination(HWND owner, const char* sourceTitle, const char* destinationTitle,
                                std::string& source, std::string& destination) {
  FileDialogRequest request;
  request.m_hOwner = owner;
  request.m_strTitle = sourceTitle;
  if (!TheUserDialogs().ChooseFile(request, source)) return false;
  request.m_strTitle = destinationTitle;
  request.m_bSave = true;
  return TheUserDialogs().ChooseFile(request, destination);
}

void TransformChosenFile(HWND owner, const char* sourceTitle, const char* destinationTitle,
                         FileTransform transform) {
  std::string sourcePath;
  std::string destinationPath;
  if (!ChooseSourceAndDestination(owner, sourceTitle, destinationTitle, sourcePath,
                                  destinationPath)) {
    return;
  }
  // The engine does its own text-mode reading: the source is opened as bytes.
  std::FILE* source = std::fopen(sourcePath.c_str(), "rb");
  // A source that cannot be read leaves the destination as it was.
  if (!source) return;
  // The open dictionary is shared for reading only: it cannot be a destination.
  if (std::FILE* destination = std::fopen(destinationPath.c_str(), "wb")) {
    transform(source, destination);
    std::fclose(destination);
  }
  std::fclose(source);
}

}  // namespace

void CDicoView::OnBuildDictionary() {
  TransformChosenFile(m_hWnd, "Text Dictionary (Source) File",
                      "Compiled Dictionary (Destination) File", BuildDictionary);
}

void CDicoView::OnMacToWindows() {
  TransformChosenFile(m_hWnd, "Source Mac Text File", "Destination Windows Text File",
                      ConvertMacText);
}
