// kova._core: the calculator core for Python. Binds each command's input (fields named like
// the command line's options) and runs a command over a list of states through the core's
// sweep, returning each state's report, messages and trace as plain Python values; the
// package (python/kova/__init__.py) turns them into numpy arrays and warnings.
//
// Every call holds the GIL: the reference host's blocks, its current component set and its
// record are process-wide, so two calculations must never overlap.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "calculator.h"
#include "component_lookup.h"
#include "units.h"
#include "commands.h"

namespace py = pybind11;
using namespace kova::calc;

namespace {

py::object json_to_py(const Json& j) {
  if (j.is_null()) return py::none();
  if (j.is_boolean()) return py::bool_(j.get<bool>());
  if (j.is_number_integer()) return py::int_(j.get<std::int64_t>());
  if (j.is_number()) return py::float_(j.get<double>());
  if (j.is_string()) return py::str(j.get<std::string>());
  if (j.is_array()) {
    py::list l;
    for (const auto& e : j) l.append(json_to_py(e));
    return l;
  }
  py::dict d;
  for (const auto& [k, v] : j.items()) d[py::str(k)] = json_to_py(v);
  return d;
}

py::object cell_to_py(const Cell& c) {
  return std::visit(
      [](const auto& v) -> py::object {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>) return py::none();
        else if constexpr (std::is_same_v<V, double>) return py::float_(v);
        else if constexpr (std::is_same_v<V, std::int64_t>) return py::int_(v);
        else return py::str(v);
      },
      c);
}

py::dict outcome_to_py(const Outcome& o) {
  py::dict d;
  d["title"] = o.report.title();
  py::list inputs;
  for (const auto& in : o.report.inputs()) inputs.append(py::make_tuple(in.name, json_to_py(in.value), in.unit));
  d["inputs"] = inputs;
  py::list tables;
  for (const Table& t : o.report.tables()) {
    py::list cols, rows;
    for (const Column& c : t.columns) cols.append(py::make_tuple(c.name, c.unit));
    for (const auto& row : t.rows) {
      py::list r;
      for (const Cell& c : row) r.append(cell_to_py(c));
      rows.append(r);
    }
    tables.append(py::make_tuple(t.name, cols, rows));
  }
  d["tables"] = tables;
  d["notes"] = o.report.notes();
  py::list warnings;
  for (const Report::Warning& w : o.report.warnings()) warnings.append(py::make_tuple(w.row, w.text));
  d["warnings"] = warnings;
  py::list messages;
  for (const Message& m : o.messages) messages.append(py::make_tuple(m.cls, m.number, m.routine, m.text()));
  d["messages"] = messages;
  d["trace"] = o.trace;
  return d;
}

// Runs fn(input) at every state: the named fields of the input object are set to the
// state's values first. An input error raises ValueError with the calculator's message.
template <class Input>
py::list run(Report (*fn)(const Input&, const Settings&), py::object input, const std::vector<std::string>& names,
             const std::vector<std::vector<double>>& states, std::int64_t kdiag, bool range_warnings) {
  Input& in = input.cast<Input&>();
  std::vector<Axis> axes;
  for (const std::string& n : names) axes.push_back({n, "", {}});
  const Settings s{kdiag, range_warnings};
  const Sweep sw = sweep(axes, states, s, [&](const std::vector<double>& at) {
    for (std::size_t k = 0; k < names.size(); ++k) py::setattr(input, names[k].c_str(), py::float_(at[k]));
    return fn(in, s);
  });
  py::list out;
  for (const auto& st : sw.states) out.append(outcome_to_py(st.outcome));
  return out;
}

template <class Input>
void def_run(py::module_& m, const char* name, Report (*fn)(const Input&, const Settings&)) {
  m.def(
      name,
      [fn](py::object input, const std::vector<std::string>& names, const std::vector<std::vector<double>>& states,
           std::int64_t kdiag, bool range_warnings) { return run<Input>(fn, input, names, states, kdiag, range_warnings); },
      py::arg("input"), py::arg("names"), py::arg("states"), py::arg("kdiag") = 2, py::arg("range_warnings") = true);
}

template <class Input>
py::class_<Input> input_class(py::module_& m, const char* name) {
  return py::class_<Input>(m, name).def(py::init<>());
}

template <class Input>
void composition(py::class_<Input>& c) {
  c.def_readwrite("components", &Input::components)
      .def_readwrite("x", &Input::x)
      .def_readwrite("w", &Input::w)
      .def_readwrite("normalize", &Input::normalize);
}

}  // namespace

PYBIND11_MODULE(_core, m) {
  m.doc() = "The kova calculator core (internal: use the functions of the kova package).";
  py::register_exception<InputError>(m, "InputError", PyExc_ValueError);
  m.def(
      "quantity",
      [](const std::string& text, const std::string& unit) {
        try {
          return parse_quantity(text, unit);
        } catch (const UnitError& e) {
          throw InputError(e.what());
        }
      },
      py::arg("text"), py::arg("unit"));
  // A value option's items as the command line reads them ("0.3cP", "0.3cP,0.5cP"), in SI.
  m.def("read_values", &read_values, py::arg("option"), py::arg("items"));
  m.def("load_components_file", [](const std::string& path) {
    try {
      return load_components_file(path);
    } catch (const LookupError& e) {
      throw InputError(e.what());
    }
  });

  m.def("components", [] { return outcome_to_py(evaluate(Settings{}, [] { return list_components(); })); });
  m.def("component", [](const std::string& key) {
    return outcome_to_py(evaluate(Settings{}, [&] { return show_component(key); }));
  });

  {
    auto c = input_class<DeanStielInput>(m, "DeanStielInput");
    composition(c);
    c.def_readwrite("t", &DeanStielInput::t)
        .def_readwrite("volume", &DeanStielInput::volume)
        .def_readwrite("density", &DeanStielInput::density)
        .def_readwrite("p", &DeanStielInput::p)
        .def_readwrite("mulp", &DeanStielInput::mulp)
        .def_readwrite("phase", &DeanStielInput::phase);
  }
  {
    auto c = input_class<TrappInput>(m, "TrappInput");
    composition(c);
    c.def_readwrite("t", &TrappInput::t).def_readwrite("p", &TrappInput::p).def_readwrite("phase", &TrappInput::phase);
  }
  {
    auto c = input_class<ChungInput>(m, "ChungInput");
    composition(c);
    c.def_readwrite("t", &ChungInput::t)
        .def_readwrite("phase", &ChungInput::phase)
        .def_readwrite("volume", &ChungInput::volume)
        .def_readwrite("density", &ChungInput::density)
        .def_readwrite("p", &ChungInput::p)
        .def_readwrite("kcoef", &ChungInput::kcoef);
  }
  input_class<WaterInput>(m, "WaterInput")
      .def_readwrite("t", &WaterInput::t)
      .def_readwrite("p", &WaterInput::p)
      .def_readwrite("phase", &WaterInput::phase);
  {
    auto c = input_class<SurfaceTensionInput>(m, "SurfaceTensionInput");
    composition(c);
    c.def_readwrite("sigma", &SurfaceTensionInput::sigma)
        .def_readwrite("nexp", &SurfaceTensionInput::nexp)
        .def_readwrite("marked", &SurfaceTensionInput::marked)
        .def_readwrite("vw", &SurfaceTensionInput::vw);
  }
  {
    auto c = input_class<WilkeInput>(m, "WilkeInput");
    composition(c);
    c.def_readwrite("t", &WilkeInput::t).def_readwrite("mulp", &WilkeInput::mulp);
  }
  {
    auto c = input_class<LucasInput>(m, "LucasInput");
    composition(c);
    c.def_readwrite("t", &LucasInput::t).def_readwrite("p", &LucasInput::p).def_readwrite("phase", &LucasInput::phase);
  }
  {
    auto c = input_class<StielThodosInput>(m, "StielThodosInput");
    composition(c);
    c.def_readwrite("volume", &StielThodosInput::volume)
        .def_readwrite("density", &StielThodosInput::density)
        .def_readwrite("klp", &StielThodosInput::klp)
        .def_readwrite("kmxlp", &StielThodosInput::kmxlp);
  }
  input_class<LetsouStielInput>(m, "LetsouStielInput")
      .def_readwrite("components", &LetsouStielInput::components)
      .def_readwrite("t", &LetsouStielInput::t);
  {
    auto c = input_class<LiInput>(m, "LiInput");
    composition(c);
    c.def_readwrite("t", &LiInput::t).def_readwrite("kl", &LiInput::kl).def_readwrite("vl", &LiInput::vl);
  }
  {
    auto c = input_class<DkkInput>(m, "DkkInput");
    composition(c);
    c.def_readwrite("t", &DkkInput::t)
        .def_readwrite("p", &DkkInput::p)
        .def_readwrite("p0", &DkkInput::p0)
        .def_readwrite("dv0", &DkkInput::dv0)
        .def_readwrite("phase", &DkkInput::phase);
  }
  {
    auto c = input_class<WilkeChangInput>(m, "WilkeChangInput");
    composition(c);
    c.def_readwrite("t", &WilkeChangInput::t)
        .def_readwrite("mul", &WilkeChangInput::mul)
        .def_readwrite("given", &WilkeChangInput::given);
  }
  {
    auto c = input_class<MixedSolventInput>(m, "MixedSolventInput");
    composition(c);
    c.def_readwrite("t", &MixedSolventInput::t)
        .def_readwrite("xtol", &MixedSolventInput::xtol)
        .def_readwrite("solute", &MixedSolventInput::solute)
        .def_readwrite("rule", &MixedSolventInput::rule)
        .def_readwrite("bio", &MixedSolventInput::bio);
  }
  {
    auto c = input_class<BioViscosityInput>(m, "BioViscosityInput");
    composition(c);
    c.def_readwrite("t", &BioViscosityInput::t)
        .def_readwrite("xtol", &BioViscosityInput::xtol)
        .def_readwrite("mul", &BioViscosityInput::mul)
        .def_readwrite("bio", &BioViscosityInput::bio);
  }

  def_run(m, "dean_stiel", &dean_stiel);
  def_run(m, "trapp", &trapp);
  def_run(m, "chung", &chung);
  def_run(m, "water", &water);
  def_run(m, "surface_tension", &surface_tension);
  def_run(m, "wilke", &wilke);
  def_run(m, "lucas", &lucas);
  def_run(m, "stiel_thodos", &stiel_thodos);
  def_run(m, "letsou_stiel", &letsou_stiel);
  def_run(m, "li", &li);
  def_run(m, "dkk", &dkk);
  def_run(m, "wilke_chang", &wilke_chang);
  def_run(m, "mixed_solvent", &mixed_solvent);
  def_run(m, "bio_viscosity", &bio_viscosity);
  def_run(m, "liquid_viscosity", &liquid_viscosity);
}
