#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "skin/FramePicture.h"

namespace zentavo {

// skinpack render: a package's window frame as a BMP picture, drawn without Windows.
struct RenderCommand {
  std::string package;
  std::string output;
  std::string password;
  TFramePictureOptions options;
};

// Reads the arguments after the command name; a bad one raises UsageError.
RenderCommand ParseRenderCommand(const std::vector<std::string>& args);

// Loads the package and writes the picture; the reader's errors propagate and leave no file.
int RunRenderCommand(const RenderCommand& command, std::ostream& out);

}  // namespace zentavo
