// kova: command-line transport-property calculator on the reference host's databank.
// The subcommands register themselves (cli/command.h); main only runs the framework.
#include <iostream>

#include "command.h"

int main(int argc, char** argv) { return kova::cli::run_main(argc, argv, std::cout, std::cerr); }
