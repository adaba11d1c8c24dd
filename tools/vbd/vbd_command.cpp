#include "tools/vbd/vbd_command.h"

#include <cstring>
#include <memory>

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/mac_text.h"
#include "tools/vbd/cp1252.h"

namespace {

constexpr int kUsageError = 2;

const char kUsage[] =
    "usage: vbd build SOURCE DEST | vbd mac2win SOURCE DEST | vbd lookup DICT en|fr TEXT|- | "
    "vbd dump DICT en|fr\n";

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

int Fail(std::FILE* err, const std::string& message) {
  std::fprintf(err, "vbd: %s\n", message.c_str());
  return kUsageError;
}

// An entry text shown on one line: tab, CR and LF escaped.
std::string Printable(const Text& text) {
  std::string out;
  for (char c : Utf8FromCp1252(text)) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

// Opens the two files of a conversion; reports and gives nothing on failure.
bool OpenPair(const std::vector<std::string>& args, File& source, File& destination, std::FILE* err) {
  source.reset(std::fopen(args[1].c_str(), "rb"));
  if (!source) return Fail(err, "cannot open " + args[1]), false;
  destination.reset(std::fopen(args[2].c_str(), "wb"));
  if (!destination) return Fail(err, "cannot create " + args[2]), false;
  return true;
}

int Build(const std::vector<std::string>& args, std::FILE* err) {
  File source, destination;
  if (!OpenPair(args, source, destination, err)) return kUsageError;
  const int stoppedAt = DictionaryBuilder().Build(source.get(), destination.get());
  if (stoppedAt != 0) std::fprintf(err, "vbd: reading stopped at line %d\n", stoppedAt);
  return 0;
}

int MacToWin(const std::vector<std::string>& args, std::FILE* err) {
  File source, destination;
  if (!OpenPair(args, source, destination, err)) return kUsageError;
  ConvertMacText(source.get(), destination.get());
  return 0;
}

void PrintRecord(const DictionaryFile& dictionary, Language language, int position, bool withSpan,
                 std::FILE* out) {
  Text text;
  int start, end;
  dictionary.GetEntryText(position, language, text, start, end);
  std::fprintf(out, "%d\t%s\t", position, end != 0 ? "main" : "trans");
  if (withSpan) std::fprintf(out, "%d\t%d\t", start, end);
  std::fprintf(out, "%s\n", Printable(text).c_str());
}

void PrintLookup(const DictionaryFile& dictionary, Language language, const Text& query, std::FILE* out) {
  int first, last;
  const bool found = dictionary.Lookup(query.c_str(), language, first, last);
  std::fprintf(out, "found=%d first=%d last=%d\n", found ? 1 : 0, first, last);
  if (first == -1) return;
  const int count = dictionary.RecordCount(language);
  for (int position = first; position <= last && position < count; ++position)
    PrintRecord(dictionary, language, position, false, out);
}

void LookupEachLine(const DictionaryFile& dictionary, Language language, std::FILE* in, std::FILE* out) {
  std::string line;
  for (int c = std::fgetc(in);; c = std::fgetc(in)) {
    if (c != EOF && c != '\n') {
      line.push_back(static_cast<char>(c));
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const std::optional<Text> query = line.empty() ? std::nullopt : Cp1252FromUtf8(line)) {
      std::fprintf(out, "query=%s\n", line.c_str());
      PrintLookup(dictionary, language, *query, out);
    }
    line.clear();
    if (c == EOF) break;
  }
}

// Opens DICT and reads LANG for the lookup and dump commands.
std::unique_ptr<DictionaryFile> OpenDictionary(const std::vector<std::string>& args, Language& language,
                                               std::FILE* err) {
  if (args[2] != "en" && args[2] != "fr") return Fail(err, "LANG is en or fr"), nullptr;
  language = args[2] == "en" ? kEnglish : kFrench;
  auto dictionary = std::make_unique<DictionaryFile>(args[1].c_str());
  if (!dictionary->IsValid()) return Fail(err, "not a valid dictionary: " + args[1]), nullptr;
  return dictionary;
}

int Lookup(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err) {
  Language language;
  const auto dictionary = OpenDictionary(args, language, err);
  if (!dictionary) return kUsageError;
  if (args[3] == "-") {
    LookupEachLine(*dictionary, language, in, out);
    return 0;
  }
  const std::optional<Text> query = Cp1252FromUtf8(args[3]);
  if (!query) return Fail(err, "the text cannot be written in Windows-1252: " + args[3]);
  PrintLookup(*dictionary, language, *query, out);
  return 0;
}

int Dump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  Language language;
  const auto dictionary = OpenDictionary(args, language, err);
  if (!dictionary) return kUsageError;
  for (int position = 0; position < dictionary->RecordCount(language); ++position)
    PrintRecord(*dictionary, language, position, true, out);
  return 0;
}

}  // namespace

int RunVbd(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err) {
  const std::string command = args.empty() ? "" : args[0];
  const size_t count = args.size();
  if (command == "build" && count == 3) return Build(args, err);
  if (command == "mac2win" && count == 3) return MacToWin(args, err);
  if (command == "lookup" && count == 4) return Lookup(args, in, out, err);
  if (command == "dump" && count == 3) return Dump(args, out, err);
  std::fputs(kUsage, err);
  return kUsageError;
}
