// kova list, kova show: the reference host's component databank (calc::list_components,
// calc::show_component).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration list_command{"list", "List the component databank (number, name, formula, critical constants)",
                                [](CLI::App&, States&) -> Action {
                                  return [](const Session&) { return calc::list_components(); };
                                },
                                /*calls_library=*/false};

const Registration show_command{"show", "Show every databank column of one component",
                                [](CLI::App& app, States&) -> Action {
                                  auto key = std::make_shared<std::string>();
                                  app.add_option("component", *key, "name, CAS number or formula")->required();
                                  return [key](const Session&) { return calc::show_component(*key); };
                                },
                                /*calls_library=*/false};

}  // namespace
}  // namespace kova::cli
