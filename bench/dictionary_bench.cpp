// Engine benchmarks: look-up, opening and building, on the FreeDict dictionary
// and on a synthetic dictionary of a million source lines (made on first run
// under the bench folder).
//
//   dictionary_bench FREEDICT_VBD WORK_FOLDER [benchmark options]
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "bench/synthetic_source.h"
#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_file.h"

namespace {

std::string g_freeDict;
std::string g_synthetic;
std::string g_syntheticSource;
constexpr int kSyntheticLines = 1000000;

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

bool Compile(const std::string& source, const std::string& destination) {
  std::FILE* in = std::fopen(source.c_str(), "rb");
  std::FILE* out = std::fopen(destination.c_str(), "wb");
  if (in != nullptr && out != nullptr) DictionaryBuilder().Build(in, out);
  if (in != nullptr) std::fclose(in);
  return out != nullptr && std::fclose(out) == 0;
}

struct Query {
  const char* text;
  Language language;
};

// Whole words, prefixes, accented and upper-case variants, phrases and misses.
const std::vector<Query> kFreeDictQueries = {
    {"maison", kFrench},   {"mais", kFrench},       {"MAISON", kFrench},    {"\xE9t\xE9", kFrench},
    {"ete", kFrench},      {"porte", kFrench},      {"pomme de terre", kFrench}, {"c\x9C" "ur", kFrench},
    {"xylophone", kFrench}, {"zzzz", kFrench},      {"l'eau", kFrench},     {"aller", kFrench},
    {"house", kEnglish},   {"hou", kEnglish},       {"HOUSE", kEnglish},    {"the house", kEnglish},
    {"to be", kEnglish},   {"water", kEnglish},     {"qwerty", kEnglish},   {"apple", kEnglish},
};

// Words and prefixes of the synthetic vocabulary, and misses.
const std::vector<Query> kSyntheticQueries = {
    {"maison", kFrench}, {"ma", kFrench},     {"chari", kFrench}, {"\xE9t\xE9" "dr", kFrench},
    {"ETE", kFrench},    {"porte", kFrench},  {"quefa", kFrench}, {"xyz", kFrench},
    {"vo", kEnglish},    {"luneta", kEnglish}, {"TA", kEnglish},  {"the chst", kEnglish},
    {"zzz", kEnglish},   {"bien", kEnglish},  {"gu", kEnglish},   {"ouar", kEnglish},
};

void Lookups(benchmark::State& state, const std::string& path, const std::vector<Query>& queries) {
  DictionaryFile dictionary(path.c_str());
  if (!dictionary.IsValid()) return state.SkipWithError(("cannot open " + path).c_str());
  std::vector<Text> texts;
  for (const Query& q : queries) texts.push_back(MakeText(q.text));
  size_t i = 0;
  for (auto _ : state) {
    int first, last;
    benchmark::DoNotOptimize(dictionary.Lookup(texts[i].c_str(), queries[i].language, first, last));
    i = i + 1 == queries.size() ? 0 : i + 1;
  }
}

void BM_LookupFreeDict(benchmark::State& state) { Lookups(state, g_freeDict, kFreeDictQueries); }
void BM_LookupSynthetic1M(benchmark::State& state) { Lookups(state, g_synthetic, kSyntheticQueries); }

void Open(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    DictionaryFile dictionary(path.c_str());
    if (!dictionary.IsValid()) return state.SkipWithError(("cannot open " + path).c_str());
    benchmark::DoNotOptimize(dictionary.RecordCount(kFrench));
  }
}

void BM_OpenFreeDict(benchmark::State& state) { Open(state, g_freeDict); }
void BM_OpenSynthetic1M(benchmark::State& state) { Open(state, g_synthetic); }

void BM_BuildSynthetic1M(benchmark::State& state) {
  const std::string destination = g_synthetic + ".rebuilt";
  for (auto _ : state) {
    if (!Compile(g_syntheticSource, destination)) return state.SkipWithError("cannot build");
  }
  std::remove(destination.c_str());
}

BENCHMARK(BM_LookupFreeDict)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupSynthetic1M)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenFreeDict)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenSynthetic1M)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildSynthetic1M)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: dictionary_bench FREEDICT_VBD WORK_FOLDER [benchmark options]\n");
    return 2;
  }
  g_freeDict = argv[1];
  g_syntheticSource = std::string(argv[2]) + "/synthetic_1m.txt";
  g_synthetic = std::string(argv[2]) + "/synthetic_1m.vbd";
  if (!Exists(g_synthetic)) {
    std::fprintf(stderr, "making %s\n", g_synthetic.c_str());
    if (!WriteSyntheticSource(g_syntheticSource, kSyntheticLines) || !Compile(g_syntheticSource, g_synthetic))
      return 1;
  }
  argv[2] = argv[0];
  int benchmarkArgc = argc - 2;
  benchmark::Initialize(&benchmarkArgc, argv + 2);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
