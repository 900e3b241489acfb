#include "audit/harness.h"

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "chung_pairs.h"
#include "databank.h"
#include "kova/host.h"
#include "refhost.h"

namespace kova::audit {

namespace {

// The host set used by the audit: water is component 5 so that the water routines act.
const std::vector<std::string> kComponents = {"methane", "ethane", "propane", "n-butane", "water",
                                              "nitrogen", "carbon dioxide", "ethanol", "benzene", "ammonia"};

constexpr double kUnsetResult = -777.0;

std::uint64_t bits(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, 8);
  return b;
}

struct Block {
  const char* name;
  kova_word* base;
  std::size_t words;
};

std::vector<Block> host_blocks() {
  using namespace kova::refhost;
  return {{"ZEL_PPRIV", ZEL_PPRIV, kPprivWords},     {"ZEL_ERRTWO", ZEL_ERRTWO, kErrtwoWords},
          {"ZEL_GLOBAL", ZEL_GLOBAL, kGlobalWords},  {"ZEL_RGLOB", ZEL_RGLOB, kRglobWords},
          {"ZEL_NCOMP", ZEL_NCOMP, kNcompWords},     {"ZEL_PLEX", ZEL_PLEX, kPlexWords},
          {"ZEL_IPOFF1", ZEL_IPOFF1, kIpoff1Words},  {"NORVA_PPGLOB", NORVA_PPGLOB, kPpglobWords},
          {"LUMENA_CRICH4", LUMENA_CRICH4, kCrich4Words}};
}

bool read_only(Kind k) {
  switch (k) {
    case Kind::RealIn:
    case Kind::IntIn:
    case Kind::Count:
    case Kind::Index:
    case Kind::PosIn:
    case Kind::CompIn:
    case Kind::Cid:
    case Kind::Cform:
    case Kind::Pair:
    case Kind::Unused:
      return true;
    default:
      return false;
  }
}

}  // namespace

void Buffer::allocate(std::size_t n) {
  size = n;
  words.assign(n + 2 * kGuardWords, kGuard);
}

bool Buffer::guards_intact() const {
  for (std::size_t k = 0; k < kGuardWords; ++k)
    if (words[k] != kGuard || words[kGuardWords + size + k] != kGuard) return false;
  return true;
}

namespace {

// What the harness takes from the databank for a host set of the first ncomp components,
// worked out once per thread and size: a fuzzing run builds thousands of calls of one set.
struct SetData {
  kova::refhost::ComponentSet set;
  kova::refhost::ChungPairs pairs;
  std::vector<kova_word> cid, cform;
  std::map<std::string, std::optional<std::vector<double>>, std::less<>> params;

  explicit SetData(std::int64_t ncomp)
      : set(kova::refhost::ComponentSet::of(
            std::vector<std::string>(kComponents.begin(), kComponents.begin() + ncomp))),
        pairs(kova::refhost::chung_pairs(set)),
        cid(set.cid()),
        cform(set.cform()) {}

  // A databank column by component number; empty for a name that is not a column.
  const std::optional<std::vector<double>>& param(const std::string& name) {
    auto it = params.find(name);
    if (it != params.end()) return it->second;
    std::optional<std::vector<double>> v;
    try {
      v = set.param(name);
    } catch (const std::invalid_argument&) {
    }
    return params.emplace(name, std::move(v)).first->second;
  }
};

SetData& set_data(std::int64_t ncomp) {
  static thread_local std::map<std::int64_t, std::unique_ptr<SetData>> cache;
  auto& slot = cache[ncomp];
  if (!slot) slot = std::make_unique<SetData>(ncomp);
  return *slot;
}

}  // namespace

Call::Call(const Routine& r, std::int64_t ncomp_, std::vector<std::int64_t> idx, std::vector<double> x)
    : routine(&r), args(r.args()), n(static_cast<std::int64_t>(idx.size())), ncomp(ncomp_) {
  SetData& data = set_data(ncomp);
  data.set.install();
  const std::size_t nn = static_cast<std::size_t>(n), nc = static_cast<std::size_t>(ncomp);
  // The Chung-Lee-Starling pair arrays a host prepares for this set, by argument name.
  const kova::refhost::ChungPairs& pairs = data.pairs;
  auto pair_values = [&](const std::string& name) -> const std::vector<double>* {
    if (name == "SIG3") return &pairs.sig3;
    if (name == "EPSIG3") return &pairs.epsig3;
    if (name == "EPSIG2M") return &pairs.epsig2m;
    if (name == "DIPSIG3") return &pairs.dipsig3;
    if (name == "OMSIG3") return &pairs.omsig3;
    if (name == "SQKAP") return &pairs.sqkap;
    return nullptr;
  };
  buffers.resize(args.size());
  for (std::size_t k = 0; k < args.size(); ++k) {
    const Arg& a = args[k];
    Buffer& b = buffers[k];
    switch (a.kind) {
      case Kind::RealIn:
        b.allocate(1);
        b.reals()[0] = a.value;
        break;
      case Kind::IntIn:
        b.allocate(1);
        b.ints()[0] = static_cast<std::int64_t>(a.value);
        break;
      case Kind::Count:
        b.allocate(1);
        b.ints()[0] = n;
        break;
      case Kind::RealOut:
      case Kind::RealInOut:
        b.allocate(1);
        b.reals()[0] = a.kind == Kind::RealOut ? kUnsetResult : a.value;
        break;
      case Kind::IntOut:
        b.allocate(1);
        b.ints()[0] = -777;
        break;
      case Kind::Index:
        b.allocate(nn);
        for (std::size_t i = 0; i < nn; ++i) b.ints()[i] = idx[i];
        break;
      case Kind::PosIn:
      case Kind::PosOut:
      case Kind::PosInOut:
        b.allocate(nn);
        for (std::size_t i = 0; i < nn; ++i)
          b.reals()[i] = a.kind == Kind::PosOut ? kUnsetResult : a.name == "X" ? x[i] : a.value;
        break;
      case Kind::CompIn:
      case Kind::CompParam: {
        b.allocate(nc * a.width);
        if (a.integer) {
          for (std::size_t i = 0; i < nc; ++i) b.ints()[i] = 0;
          break;
        }
        if (const auto* v = pair_values(a.name)) {
          for (std::size_t i = 0; i < nc; ++i) b.reals()[i] = (*v)[i];
          break;
        }
        if (a.name == "STKPAR") {  // Stockmayer epsilon/k and sigma, two per component
          const auto& eps = *data.param("STK_EPSK");
          const auto& sig = *data.param("STK_SIGMA");
          for (std::size_t i = 0; i < nc; ++i) {
            b.reals()[2 * i] = eps[i];
            b.reals()[2 * i + 1] = sig[i];
          }
          break;
        }
        const auto& column = data.param(a.name);
        const double fallback = a.value != 0.0 ? a.value : 1.0;
        for (std::size_t i = 0; i < nc * a.width; ++i) b.reals()[i] = column ? (*column)[i / a.width] : fallback;
        break;
      }
      case Kind::SquareOut:
        b.allocate(nn * nn);
        for (std::size_t i = 0; i < nn * nn; ++i) b.reals()[i] = kUnsetResult;
        break;
      case Kind::Flag:
        b.allocate(nc);
        for (std::size_t i = 0; i < nc; ++i) b.reals()[i] = 0.0;
        break;
      case Kind::Cid: {
        const auto& w = data.cid;
        b.allocate(w.size());
        std::memcpy(b.data(), w.data(), 8 * w.size());
        break;
      }
      case Kind::Cform: {
        const auto& w = data.cform;
        b.allocate(w.size());
        std::memcpy(b.data(), w.data(), 8 * w.size());
        break;
      }
      case Kind::Pair: {
        b.allocate(nc * nc);
        const auto* v = pair_values(a.name);
        for (std::size_t i = 0; i < nc * nc; ++i) b.reals()[i] = v ? (*v)[i] : (a.value != 0.0 ? a.value : 1.0);
        break;
      }
      case Kind::Work: {
        const long want = a.a * n * n + a.b * n + a.c;
        b.allocate(static_cast<std::size_t>(want > 0 ? want : 1));
        std::memset(b.data(), 0, 8 * b.size);
        break;
      }
      case Kind::Unused:
        b.allocate(8);
        break;
    }
  }
}

Buffer* Call::find(const std::string& name) {
  for (std::size_t k = 0; k < args.size(); ++k)
    if (args[k].name == name) return &buffers[k];
  return nullptr;
}

void Call::set_scalar(const std::string& name, double v) {
  if (Buffer* b = find(name)) b->reals()[0] = v;
}
void Call::set_int(const std::string& name, std::int64_t v) {
  if (Buffer* b = find(name)) b->ints()[0] = v;
}

void Call::run() {
  std::vector<AnyPtr> ptrs;
  for (Buffer& b : buffers) ptrs.push_back(AnyPtr{b.data()});
  routine->call(ptrs.data());
}

std::vector<std::string> audit(Call& call, const std::function<void()>& before) {
  if (before) before();
  // Snapshots: every argument and every host block the library may only read.
  std::vector<std::vector<std::uint64_t>> args_before;
  for (const Buffer& b : call.buffers) args_before.push_back(b.words);
  // The host blocks' snapshot (the parameter store alone is half a megabyte) lives from call
  // to call: fresh storage each time costs a fuzzing run more than the routines it calls.
  static thread_local std::vector<std::vector<kova_word>> blocks_before;
  const std::vector<Block> blocks_now = host_blocks();
  blocks_before.resize(blocks_now.size());
  for (std::size_t k = 0; k < blocks_now.size(); ++k)
    blocks_before[k].assign(blocks_now[k].base, blocks_now[k].base + blocks_now[k].words);
  std::vector<bool> listed(static_cast<std::size_t>(call.ncomp) + 1, false);
  if (const Buffer* idx = call.find("IDX"))
    for (std::size_t i = 0; i < idx->size; ++i) {
      const std::int64_t c = const_cast<Buffer*>(idx)->ints()[i];
      if (c >= 1 && c <= call.ncomp) listed[static_cast<std::size_t>(c)] = true;
    }

  call.run();

  std::vector<std::string> faults;
  const std::string who = call.routine->name;
  for (std::size_t k = 0; k < call.buffers.size(); ++k) {
    const Buffer& b = call.buffers[k];
    const Arg& a = call.args[k];
    if (!b.guards_intact()) faults.push_back(who + ": wrote outside argument " + a.name);
    const auto& old = args_before[k];
    if (read_only(a.kind)) {
      if (old != b.words) faults.push_back(who + ": wrote read-only argument " + a.name);
    } else if (a.kind == Kind::CompParam || a.kind == Kind::Flag) {
      for (std::size_t i = 0; i < b.size; ++i)
        if (!listed[i / a.width + 1] && old[kGuardWords + i] != b.words[kGuardWords + i])
          faults.push_back(who + ": wrote " + a.name + " of unlisted component " + std::to_string(i / a.width + 1));
    }
  }
  const auto blocks = host_blocks();
  for (std::size_t k = 0; k < blocks.size(); ++k) {
    if (std::memcmp(blocks_before[k].data(), blocks[k].base, 8 * blocks[k].words) == 0) continue;
    for (std::size_t w = 0; w < blocks[k].words; ++w) {
      if (std::memcmp(&blocks_before[k][w], &blocks[k].base[w], 8) == 0) continue;
      if (blocks[k].base == ZEL_ERRTWO && w == 19) continue;  // the message work value
      faults.push_back(who + ": wrote host block " + blocks[k].name + " word " + std::to_string(w));
    }
  }
  (void)bits;
  return faults;
}

}  // namespace kova::audit
