// kova: command-line transport-property calculator on the reference host's databank.
#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App app{"kova: transport properties of pure components and mixtures"};
  CLI11_PARSE(app, argc, argv);
  return 0;
}
