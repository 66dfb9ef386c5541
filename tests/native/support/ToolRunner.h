#pragma once
// Runs a built command-line tool as a separate process, as scripts and the distribution do,
// and collects its exit code and output.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zentavo::testing {

struct ToolResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char ch : arg) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// `scratch` receives the captured output files.
inline ToolResult RunTool(const std::string& tool, const std::vector<std::string>& args,
                          const std::filesystem::path& scratch) {
  std::string command = ShellQuoted(tool);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  const auto out = scratch / "tool-out.txt";
  const auto err = scratch / "tool-err.txt";
  command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
}

}  // namespace zentavo::testing
