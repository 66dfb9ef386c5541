#include "RenderCommand.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "UsageError.h"
#include "core/Error.h"
#include "skin/SkinMetrics.h"

namespace zentavo {

namespace {

// Beyond this a picture would take gigabytes; no window is that large.
constexpr int kMaxSide = 16384;

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

int NonNegative(const std::string& option, const std::string& text) {
  const std::optional<int> value = ParseInt(text);
  if (!value || *value < 0) throw UsageError{option + " needs a number of 0 or more, not '" + text + "'"};
  return *value;
}

// "A<sep>B" as two integers.
std::optional<std::pair<int, int>> ParsePair(const std::string& text, char sep) {
  const std::size_t at = text.find(sep);
  if (at == std::string::npos) return std::nullopt;
  const std::optional<int> a = ParseInt(std::string_view(text).substr(0, at));
  const std::optional<int> b = ParseInt(std::string_view(text).substr(at + 1));
  if (!a || !b) return std::nullopt;
  return std::pair{*a, *b};
}

void ParseSize(const std::string& text, TFramePictureOptions& options) {
  const auto size = ParsePair(text, 'x');
  if (!size || size->first <= 0 || size->second <= 0 || size->first > kMaxSide || size->second > kMaxSide)
    throw UsageError{"--size needs WxH with sides from 1 to " + std::to_string(kMaxSide) + ", not '" + text +
                     "'"};
  options.Width = size->first;
  options.Height = size->second;
}

void ParseButtons(const std::string& text, TFramePictureOptions& options) {
  options.HasClose = options.HasMaximize = options.HasMinimize = options.HasHelp = false;
  if (text.empty()) return;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string name =
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (name == "close")
      options.HasClose = true;
    else if (name == "maximize")
      options.HasMaximize = true;
    else if (name == "minimize")
      options.HasMinimize = true;
    else if (name == "help")
      options.HasHelp = true;
    else
      throw UsageError{"unknown button '" + name + "' (close, maximize, minimize, help)"};
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

// RRGGBB, as a designer writes colours (a leading # is allowed).
TColor ParseColour(const std::string& text) {
  std::string_view hex(text);
  if (!hex.empty() && hex.front() == '#') hex.remove_prefix(1);
  unsigned value = 0;
  const auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (hex.size() != 6 || ec != std::errc() || ptr != hex.data() + hex.size())
    throw UsageError{"--outside needs a colour RRGGBB, not '" + text + "'"};
  return RGBColor(int(value >> 16), int(value >> 8), int(value));
}

}  // namespace

RenderCommand ParseRenderCommand(const std::vector<std::string>& args) {
  RenderCommand command;
  TFramePictureOptions& o = command.options;
  std::vector<std::string> positional;
  bool sized = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
      return args[++i];
    };
    if (arg == "--size") {
      ParseSize(value(), o);
      sized = true;
    } else if (arg == "--password") {
      command.password = value();
    } else if (arg == "--buttons") {
      ParseButtons(value(), o);
    } else if (arg == "--no-icon") {
      o.HasIcon = false;
    } else if (arg == "--inactive") {
      o.Active = false;
    } else if (arg == "--zoomed") {
      o.Zoomed = true;
    } else if (arg == "--iconic") {
      o.Iconic = true;
    } else if (arg == "--cursor") {
      const std::string& text = value();
      const auto point = ParsePair(text, ',');
      if (!point) throw UsageError{"--cursor needs X,Y, not '" + text + "'"};
      o.Cursor = TFrameCursor{point->first, point->second};
    } else if (arg == "--pressed") {
      o.Pressed = true;
    } else if (arg == "--menu-bar") {
      o.MenuBarHeight = NonNegative(arg, value());
    } else if (arg == "--native-caption") {
      o.NativeCaptionHeight = NonNegative(arg, value());
    } else if (arg == "--caption-width") {
      o.CaptionWidth = NonNegative(arg, value());
    } else if (arg == "--no-border") {
      o.HasBorder = false;
    } else if (arg == "--outside") {
      o.OutsideColor = ParseColour(value());
    } else if (arg.starts_with("--")) {
      throw UsageError{"unknown option " + arg};
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) throw UsageError{"render takes 2 arguments"};
  if (!sized) throw UsageError{"render needs --size WxH"};
  if (o.Zoomed && o.Iconic) throw UsageError{"--zoomed and --iconic exclude each other"};
  if (o.Pressed && !o.Cursor) throw UsageError{"--pressed needs --cursor"};
  command.package = positional[0];
  command.output = positional[1];
  return command;
}

int RunRenderCommand(const RenderCommand& command, std::ostream& out) {
  const auto package = std::filesystem::u8path(command.package);
  TsuiSkinReader reader({}, {});
  reader.Load(package, command.password);  // a damaged package or a wrong password raises
  // The reader takes a missing file for "no skin"; here there is nothing to draw.
  if (!reader.Loaded()) throw Error("Failed to read skin file!");
  const TBitmap picture = RenderFramePicture(reader, ReadSkinMetrics(reader), command.options);
  picture.SaveToFile(std::filesystem::u8path(command.output));
  out << command.output << ": " << picture.Width() << 'x' << picture.Height() << '\n';
  return 0;
}

}  // namespace zentavo
