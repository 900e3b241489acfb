#include "audit/host_faults.h"

#include <cstring>
#include <sstream>

#include "audit/degenerate.h"
#include "kova/host.h"
#include "refhost.h"

namespace kova::audit {

namespace faults = kova::refhost::faults;

Call host_call(const Routine& r) {
  Call call(r, 10, {3, 5}, {0.5, 0.5});
  call.set_int("KCALC", 1);
  if (Buffer* kbio = call.find("KBIO")) kbio->ints()[2] = 1;  // propane as the bio-component
  return call;
}

const std::vector<faults::Kind>& fault_kinds() {
  using K = faults::Kind;
  static const std::vector<K> all = {K::NaN,  K::PlusInf,  K::MinusInf, K::Zero,     K::Negative,
                                     K::Huge, K::Missing,  K::Tiny,     K::Unwritten};
  return all;
}

namespace {

void set_word(kova_word* block, int n, std::int64_t v) { std::memcpy(&block[n], &v, 8); }
void set_words(std::int64_t v) {
  set_word(ZEL_PPRIV, 9, v);
  set_word(ZEL_NCOMP, 0, v);
}
std::int64_t bits_of(double v) {
  std::int64_t b;
  std::memcpy(&b, &v, 8);
  return b;
}

// Runs the routine's standard call after `prepare`, with the gate answering 1.
std::string run_cell(const Routine& r, const std::function<void()>& prepare) {
  kova::refhost::reset();
  kova::refhost::force_gate(1);
  Call call = host_call(r);
  if (prepare) prepare();
  std::vector<std::vector<double>> before;
  for (auto& b : call.buffers) before.emplace_back(b.reals(), b.reals() + b.size);
  call.run();
  faults::clear();
  return outcome(call, before);
}

}  // namespace

const std::vector<WordScenario>& word_scenarios() {
  static const std::vector<WordScenario> all = {
      {"real 10.0 stored", [] { set_words(bits_of(10.0)); }},
      {"-1", [] { set_words(-1); }},
      {"0", [] { set_words(0); }},
      {"1 (below the largest component listed)", [] { set_words(1); }},
      {"10^9", [] { set_words(1000000000); }},
  };
  return all;
}

std::vector<std::pair<const Routine*, std::string>> host_callers() {
  std::vector<std::pair<const Routine*, std::string>> out;
  for (const Routine& r : catalogue()) {
    kova::refhost::reset();
    Call call = host_call(r);
    faults::clear();
    faults::set(faults::Routine::Es01, faults::Kind::None);  // counting on, answers untouched
    call.run();
    std::string names;
    for (int k = 0; k < faults::kRoutines; ++k)
      if (faults::calls(static_cast<faults::Routine>(k)) > 0)
        names += (names.empty() ? "" : ", ") + std::string(faults::name(static_cast<faults::Routine>(k)));
    faults::clear();
    if (!names.empty()) out.emplace_back(&r, names);
  }
  kova::refhost::reset();
  return out;
}

std::string outcome(Call& call, const std::vector<std::vector<double>>& before) {
  const std::string m = gate_messages();
  return summarise(call, before) + (m.empty() ? "" : "; " + m);
}

std::string host_faults_table() {
  std::ostringstream out;
  out << "| routine | host routines called | answers as computed |";
  for (const faults::Kind k : fault_kinds()) out << ' ' << faults::name(k) << " |";
  out << "\n|---|---|---|";
  for (std::size_t k = 0; k < fault_kinds().size(); ++k) out << "---|";
  out << '\n';
  for (const auto& [r, names] : host_callers()) {
    out << "| `" << r->name << "` | " << names << " | " << run_cell(*r, {}) << " |";
    for (const faults::Kind k : fault_kinds()) {
      const std::string cell = run_cell(*r, [k] {
        for (int h = 0; h < faults::kRoutines; ++h) faults::set(static_cast<faults::Routine>(h), k);
      });
      out << ' ' << cell << " |";
    }
    out << '\n';
  }
  kova::refhost::reset();
  return out.str();
}

std::string host_words_table() {
  std::ostringstream out;
  out << "| routine | as set by the host |";
  for (const WordScenario& s : word_scenarios()) out << ' ' << s.title << " |";
  out << "\n|---|---|";
  for (std::size_t k = 0; k < word_scenarios().size(); ++k) out << "---|";
  out << '\n';
  for (const Routine& r : catalogue()) {
    const std::string normal = run_cell(r, {});
    std::vector<std::string> cells;
    bool differs = false;
    for (const WordScenario& s : word_scenarios()) {
      cells.push_back(run_cell(r, s.set));
      differs = differs || cells.back() != normal;
    }
    if (!differs) continue;  // the routine reads neither word
    out << "| `" << r.name << "` | " << normal << " |";
    for (const std::string& c : cells) out << ' ' << c << " |";
    out << '\n';
  }
  kova::refhost::reset();
  return out.str();
}

}  // namespace kova::audit
