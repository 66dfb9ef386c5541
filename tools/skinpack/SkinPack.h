#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zentavo {

// The skinpack command line: build, list, extract, unpack and render. Returns the exit code:
// 0 done; 1 failed (the reader's "Failed to read skin file!" or another error), 2 wrong
// password; usage errors 3; extract returns ExtractPackageEntry's result.
int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zentavo
