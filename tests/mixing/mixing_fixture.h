// The recording reference host for the liquid-mixture and diffusion routines, with the
// databank component sets they are tried on.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "databank.h"
#include "kova/host.h"
#include "support/host_fixture.h"

namespace kova::mixing {

class MixingTest : public kova::testing::HostTest {
 protected:
  static void range_warnings(bool on) {
    const std::int64_t v = on ? 1 : 0;
    std::memcpy(&ZEL_ERRTWO[56], &v, 8);
  }
  static void set_ppriv9(std::int64_t v) { std::memcpy(&ZEL_PPRIV[9], &v, 8); }
  static double word19() {
    double v;
    std::memcpy(&v, &ZEL_ERRTWO[19], 8);
    return v;
  }
  // Every print request, each line without its trailing blanks.
  static std::vector<std::vector<std::string>> messages() {
    std::vector<std::vector<std::string>> out;
    for (std::size_t k = 0; k < rec().printed.size(); ++k) out.push_back(printed(k));
    return out;
  }
};

// A databank component set with its parameter arrays and identifier tables, installed as
// the host's current set.
struct Components {
  explicit Components(const std::vector<std::string>& names)
      : set(refhost::ComponentSet::of(names)),
        mw(set.param("MW")),
        vc(set.param("VC")),
        vb(set.param("VB")),
        flag(set.flags()),
        cid(set.cid()),
        cform(set.cform()),
        idx(set.all()),
        n(set.size()) {
    set.install();
  }
  refhost::ComponentSet set;
  std::vector<double> mw, vc, vb, flag;
  std::vector<kova_word> cid, cform;
  std::vector<std::int64_t> idx;
  std::int64_t n;
};

}  // namespace kova::mixing
