// Test support: runs the kova calculator in-process, as `kova args...` would, and keeps
// its exit status and output.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "command.h"

namespace kova::cli {

struct Outcome {
  int status = -1;
  std::string out, err;
  Json json() const { return Json::parse(out); }
};

inline Outcome kova(std::vector<std::string> args) {
  args.insert(args.begin(), "kova");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  Outcome r;
  r.status = run_main(static_cast<int>(argv.size()), argv.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace kova::cli
