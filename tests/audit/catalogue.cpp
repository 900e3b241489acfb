#include "audit/catalogue.h"

#include <sstream>
#include <stdexcept>

#include "kova/kova.h"

namespace kova::audit {

namespace {

Kind kind_of(const std::string& k) {
  static const std::pair<const char*, Kind> kinds[] = {
      {"r", Kind::RealIn},     {"i", Kind::IntIn},       {"n", Kind::Count},        {"R", Kind::RealOut},
      {"I", Kind::IntOut},     {"Rio", Kind::RealInOut}, {"idx", Kind::Index},      {"p", Kind::PosIn},
      {"P", Kind::PosOut},     {"Pio", Kind::PosInOut},  {"c", Kind::CompIn},       {"C", Kind::CompParam},    {"ci", Kind::CompIn},    {"C2", Kind::CompParam},
      {"flag", Kind::Flag},    {"cid", Kind::Cid},       {"cform", Kind::Cform},    {"pair", Kind::Pair},
      {"w", Kind::Work},       {"iw", Kind::Work},       {"x", Kind::Unused},      {"PP", Kind::SquareOut}};
  for (const auto& [name, kind] : kinds)
    if (k == name) return kind;
  throw std::invalid_argument("unknown argument kind " + k);
}

#define KOVA_ROUTINE(F, FAMILY, SIGNATURE) Routine{#F, FAMILY, &invoke<&F>, arity<&F>(), SIGNATURE}

}  // namespace

std::vector<Arg> Routine::args() const {
  std::vector<Arg> out;
  std::istringstream in(signature);
  std::string token;
  while (in >> token) {
    Arg a;
    const auto c1 = token.find(':');
    a.name = token.substr(0, c1);
    std::string rest = token.substr(c1 + 1);
    const auto c2 = rest.find(':');
    const std::string kind = rest.substr(0, c2);
    a.kind = kind_of(kind);
    a.integer = kind == "iw" || kind == "ci";
    if (kind == "C2") a.width = 2;
    if (c2 != std::string::npos) {
      const std::string v = rest.substr(c2 + 1);
      if (a.kind == Kind::Work) {
        std::sscanf(v.c_str(), "%ld,%ld,%ld", &a.a, &a.b, &a.c);
      } else {
        a.value = std::stod(v);
      }
    }
    out.push_back(a);
  }
  if (out.size() != arity) throw std::logic_error(std::string(name) + ": catalogue argument count mismatch");
  return out;
}

const std::vector<Routine>& catalogue() {
  static const std::vector<Routine> all = {
      // Dean-Stiel
      KOVA_ROUTINE(KOVA_MUV007, "deanstiel",
                   "T:r:400 N:n IDX:idx VV:p:0.5 KDIAG:i:0 MUVPC:P TC:C ZC:C VC:C MW:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV205, "deanstiel",
                   "T:r:400 X:p N:n IDX:idx VVMX:r:0.5 KDIAG:i:0 MUVXPC:R TC:C ZC:C VC:C MW:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV202, "deanstiel", "T:r:400 X:p N:n IDX:idx RHOMX:r:2 MUVMXLP:r:1.2e-5 KDIAG:i:0 MUVMX:R TC:C ZC:C "
                                "VC:C MW:C FLAG:flag CID:cid"),

      // TRAPP corresponding states (the conductivity wrappers' work size bounds 4N+2+4o+max(o, 3N))
      KOVA_ROUTINE(KOVA_MUVL01, "trapp", "T:r:300 P:r:1e5 X:p N:n IDX:idx IDSET:i:1 KDIAG:i:0 WORK:w:2,6,2 IPTR:iw:0,0,9 "
                                "KVL:i:1 KCALC:i:1 MU:R UNUSED:x CID:cid TC:C PC:C VC:C ZC:C OMEGA:C FLAG:flag MW:c"),
      KOVA_ROUTINE(KOVA_MUV003, "trapp", "T:r:300 P:p:1e5 N:n KCALC:i:1 IDX:idx WORK:w:2,6,2 IPTR:iw:0,0,9 KDIAG:i:0 "
                                "IDSET:i:1 MUV:P UNUSED:x CID:cid TC:C PC:C VC:C ZC:C OMEGA:C FLAG:flag MW:c"),
      KOVA_ROUTINE(KOVA_MUL003, "trapp", "T:r:300 P:p:1e5 N:n KCALC:i:1 IDX:idx WORK:w:2,6,2 IPTR:iw:0,0,9 KDIAG:i:0 "
                                "IDSET:i:1 MUL:P UNUSED:x CID:cid TC:C PC:C VC:C ZC:C OMEGA:C FLAG:flag MW:c"),
      KOVA_ROUTINE(KOVA_MUV203, "trapp", "T:r:300 P:r:1e5 X:p N:n KCALC:i:1 IDX:idx WORK:w:2,6,2 IPTR:iw:0,0,9 KDIAG:i:0 "
                                "IDSET:i:1 MUVMX:R UNUSED:x CID:cid TC:C PC:C VC:C ZC:C OMEGA:C FLAG:flag MW:c"),
      KOVA_ROUTINE(KOVA_MUL204, "trapp", "T:r:300 P:r:1e5 X:p N:n KCALC:i:1 IDX:idx WORK:w:2,6,2 IPTR:iw:0,0,9 KDIAG:i:0 "
                                "IDSET:i:1 MULMX:R UNUSED:x CID:cid TC:C PC:C VC:C ZC:C OMEGA:C FLAG:flag MW:c"),
      KOVA_ROUTINE(KOVA_KV004, "trapp", "T:r:300 P:p:1e5 N:n KCALC:i:1 IDX:idx UNUSED6:x UNUSED7:x KDIAG:i:0 IDSET:i:1 "
                               "KV:P KCONV:I ZC:C MW:c TC:C PC:C VC:C OMEGA:C FLAG:flag CID:cid WORK:w:3,10,2 "
                               "IPTR:iw:0,0,10"),
      KOVA_ROUTINE(KOVA_KL003, "trapp", "T:r:300 P:p:1e5 N:n KCALC:i:1 IDX:idx UNUSED6:x UNUSED7:x KDIAG:i:0 IDSET:i:1 "
                               "KL:P KCONV:I ZC:C MW:c TC:C PC:C VC:C OMEGA:C FLAG:flag CID:cid WORK:w:3,10,2 "
                               "IPTR:iw:0,0,10"),
      KOVA_ROUTINE(KOVA_KV203, "trapp", "T:r:300 P:r:1e5 X:p N:n KCALC:i:1 IDX:idx UNUSED7:x UNUSED8:x KDIAG:i:0 "
                               "IDSET:i:1 KVMX:R KCONV:I ZC:C MW:c TC:C PC:C VC:C OMEGA:C FLAG:flag CID:cid "
                               "WORK:w:3,10,2 IPTR:iw:0,0,10"),
      KOVA_ROUTINE(KOVA_KL202, "trapp", "T:r:300 P:r:1e5 X:p N:n KCALC:i:1 IDX:idx UNUSED7:x UNUSED8:x KDIAG:i:0 "
                               "IDSET:i:1 KLMX:R KCONV:I ZC:C MW:c TC:C PC:C VC:C OMEGA:C FLAG:flag CID:cid "
                               "WORK:w:3,10,2 IPTR:iw:0,0,10"),

      // Chung-Lee-Starling
      KOVA_ROUTINE(KOVA_MUV008, "chung", "T:r:400 N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 MUVLP:P MUP:c MW:c TC:c VC:c "
                                "OMGCLK:c SIG3:pair EPSIG3:pair EPSIG2M:pair DIPSIG3:pair SQKAP:c OMSIG3:pair "
                                "FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV206, "chung", "T:r:400 X:p N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 MUVMXLP:R MUP:c MW:c TC:c "
                                "VC:c OMGCLK:c SIG3:pair EPSIG3:pair EPSIG2M:pair DIPSIG3:pair SQKAP:c "
                                "OMSIG3:pair FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUVL04, "chung", "T:r:400 N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 V:p:0.5 MU:P MUP:c DUMMY:x "
                                "MW:c TC:c VC:c OMGCLK:c SIG3:pair EPSIG3:pair EPSIG2M:pair DIPSIG3:pair SQKAP:c "
                                "OMSIG3:pair FLAG:flag CID:cid KCOEF:i:1"),
      KOVA_ROUTINE(KOVA_MUVL03, "chung", "T:r:400 X:p N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 VMX:r:0.5 MUVMXLP:R MUP:c "
                                "MW:c TC:c VC:c OMGCLK:c SIG3:pair EPSIG3:pair EPSIG2M:pair DIPSIG3:pair SQKAP:c "
                                "OMSIG3:pair FLAG:flag CID:cid KCOEF:i:1"),
      KOVA_ROUTINE(KOVA_KVL03, "chung", "T:r:400 N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 V:p:0.5 MUVLP:p:1.2e-5 "
                               "CP:p:40000 K:P KER:i:0 MUP:c MW:c TC:c VC:c OMGCLS:c SIG3:pair EPSIG3:pair "
                               "EPSIG2M:pair DIPSIG3:pair SQKAP:c OMSIG3:pair FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_KVL02, "chung", "T:r:400 X:p N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 VMX:r:0.5 MUVMXLP:r:1.2e-5 "
                               "CPMX:r:40000 KMX:R KER:i:0 MUP:c MW:c TC:c VC:c OMGCLS:c SIG3:pair EPSIG3:pair "
                               "EPSIG2M:pair DIPSIG3:pair SQKAP:c OMSIG3:pair FLAG:flag CID:cid"),

      // Wilke, Lucas, Stiel-Thodos, Letsou-Stiel
      KOVA_ROUTINE(KOVA_MUV201, "correlations", "T:r:400 X:p N:n IDX:idx MUVLP:p:1.2e-5 IDSET:i:1 KDIAG:i:0 MUVXLP:R MW:C TB:c "
                                "VB:C MUP:c STKPAR:C2 FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_KV003, "correlations", "N:n IDX:idx VV:p:0.5 KDIAG:i:0 TC:C MW:C VC:C PC:c ZC:C FLAG:flag CID:cid "
                               "KV:Pio:0.02 KER:I"),
      KOVA_ROUTINE(KOVA_KV006, "correlations", "N:n IDX:idx VV:p:0.5 KDIAG:i:0 KVPC:P TC:C MW:C VC:C PC:c ZC:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_KV202, "correlations", "X:p N:n IDX:idx RHOMX:r:2 KVMXLP:r:0.02 KDIAG:i:0 KVMX:R TC:C MW:C VC:C ZC:C CID:cid"),
      KOVA_ROUTINE(KOVA_KV204, "correlations", "X:p N:n IDX:idx VVMX:r:0.5 KDIAG:i:0 KVMXPC:R TC:C MW:C VC:C ZC:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV005, "correlations", "T:r:400 PRES:p:1e5 N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 MUV:P TC:C PC:C ZC:C "
                                "MW:C MUP:C MUR:c CFORM:cform FLAG:flag CID:cid PLA1:c PLA2:c PLA3:c PLA4:c PLA5:c "
                                "PLA6:c PLA7:c PLA8:c PLA9:c PLA10:c PLA11:x PLA12:x PLA13:x PLA14:x"),
      KOVA_ROUTINE(KOVA_MUV204, "correlations", "T:r:400 P:r:1e5 X:p N:n IDX:idx KDIAG:i:0 IDSET:i:1 KCALC:i:1 MUVMX:R TC:C PC:C "
                                "ZC:C MW:C MUP:C MUR:c CFORM:cform FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUL005, "correlations", "T:r:300 N:n IDX:idx KDIAG:i:0 MUL:P TC:C PC:C MW:C OMEGA:C FLAG:flag CID:cid"),

      // Water and surface tension (water is component 5 of the audit's host set)
      KOVA_ROUTINE(KOVA_MUV004, "water", "T:r:500 P:r:1e5 N:n KCALC:i:1 IDX:idx KDIAG:i:0 UNUSED7:x MU:P CFORM:cform"),
      KOVA_ROUTINE(KOVA_MUL004, "water", "T:r:300 P:r:1e5 N:n KCALC:i:1 IDX:idx KDIAG:i:0 UNUSED7:x MU:P CFORM:cform"),
      KOVA_ROUTINE(KOVA_KV005, "water", "T:r:500 P:r:1e5 N:n KCALC:i:1 IDX:idx KDIAG:i:0 UNUSED7:x KV:P CFORM:cform"),
      KOVA_ROUTINE(KOVA_KL004, "water", "T:r:300 P:r:1e5 N:n KCALC:i:1 IDX:idx KDIAG:i:0 UNUSED7:x KV:P CFORM:cform"),
      KOVA_ROUTINE(KOVA_SIG003, "water", "T:r:300 N:n KCALC:i:1 IDX:idx UNUSED5:x UNUSED6:x UNUSED7:x UNUSED8:x "
                                         "SIGMA:P CFORM:cform"),
      KOVA_ROUTINE(KOVA_SIG203, "water", "X:p N:n IDX:idx NEXP:i:1 SIG:p:0.02 UNUSED6:x VW:c:1 KMARK:ci SIGMX:R"),

      // Liquid mixtures and diffusion. XS of KOVA_DL102 holds the pure viscosities after the
      // host's offset (ZEL_PPRIV word 9, the number of components in the set, up to 64 here).
      KOVA_ROUTINE(KOVA_KL204, "mixing", "X:p N:n IDX:idx UNUSED4:x VL:p:0.1 KL:Pio:0.12 KDIAG:i:0 KLMX:R CID:cid"),
      KOVA_ROUTINE(KOVA_DV002, "mixing", "X:p N:n IDX:idx T:r:400 P:r:5e6 P0:r:1e5 IPAIR:iw:0,0,2 YPAIR:w:0,0,2 "
                               "DV0:w:1,0,0 KDIAG:i:0 DV:PP IDSET:i:1 MW:C VC:C FLAG:flag CID:cid P17:x P18:x "
                               "P19:x P20:x P21:x"),
      KOVA_ROUTINE(KOVA_DL001, "mixing", "T:r:300 X:p N:n IDX:idx MUL:p:1e-3 KDIAG:i:0 BINDL:PP MW:C CFORM:cform "
                               "VB:C FLAG:flag CID:cid P13:x P14:x P15:x P16:x"),
      KOVA_ROUTINE(KOVA_DL004, "mixing", "T:r:300 X:p N:n IDX:idx MUL:p:1e-3 KDIAG:i:0 BINDL:PP MW:C CFORM:cform "
                               "VB:C FLAG:flag CID:cid P13:x P14:x P15:x"),
      KOVA_ROUTINE(KOVA_DL102, "mixing", "T:r:300 X:p N:n IDX:idx IDSET:i:1 XS:w:0,1,64 KW:iw:0,2,0 KDIAG:i:0 DL:P MW:C "
                               "CFORM:cform VB:C KSOLU:c:1 FLAG:flag CID:cid P16:x P17:x P18:x P19:x P20:x P21:x "
                               "P22:x P23:x P24:x P25:x KOPT:iw:0,0,2 P27:x P28:x P29:x"),
      KOVA_ROUTINE(KOVA_DL103, "mixing", "T:r:300 X:p N:n IDX:idx IDSET:i:1 KDIAG:i:0 MW:C CFORM:cform VB:C KSOLU:c:1 "
                               "FLAG:flag CID:cid XS:w:0,1,0 MULW:w:0,1,0 UNUSED15:x KW:iw:0,1,0 KSV:iw:0,1,0 P18:x "
                               "P19:x P20:x P21:x P22:x P23:x P24:x KBIO:ci MULBPS:w:0,0,40 VL:w:0,1,0 P28:x "
                               "P29:x P30:x P31:x P32:x XTOL:r:1e-8 DL:P P35:x P36:x P37:x P38:x P39:x P40:x P41:x "
                               "P42:x"),
      KOVA_ROUTINE(KOVA_MUL205, "mixing", "T:r:300 X:p N:n IDX:idx MUL:p:1e-3 KDIAG:i:0 P7:x P8:x P9:x P10:x P11:x P12:x "
                                "P13:x P14:x P15:x KBIO:ci MW:c MULBPS:w:0,0,40 VL:P P20:x MULMX:R XTOL:r:1e-8 "
                                "P23:x P24:x P25:x P26:x P27:x"),
  };
  return all;
}

}  // namespace kova::audit
