#include "SkinPack.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "RenderCommand.h"
#include "SkinFolder.h"
#include "UsageError.h"
#include "core/Error.h"
#include "core/Format.h"
#include "skin/Crc32.h"
#include "skin/Skin2SkinReader.h"
#include "skin/SkinDirectory.h"
#include "skin/SkinPackageWriter.h"
#include "skin/TempFile.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

constexpr int kUsageError = 3;
constexpr const char* kEntryName = "SKINDATA.SK2";
constexpr std::string_view kUsage =
    "usage:\n"
    "  skinpack build DIR OUT.ssk [--password P]\n"
    "  skinpack list FILE [--password P]\n"
    "  skinpack extract FILE ENTRY OUT [--password P]\n"
    "  skinpack unpack FILE DIR [--password P]\n"
    "  skinpack render FILE OUT.bmp --size WxH [--password P] [--buttons LIST] [--no-icon]\n"
    "      [--inactive] [--zoomed|--iconic] [--cursor X,Y [--pressed]] [--menu-bar M]\n"
    "      [--native-caption O] [--caption-width N] [--no-border] [--outside RRGGBB]\n"
    "DIR holds skin.ini ([colors] as #RRGGBB, [positions], [flags], [strings], [bitmaps]) and\n"
    "the bitmaps as BMP files. Exit codes: 0 done, 1 failed, 2 wrong password, 3 usage;\n"
    "extract exits with the package reader's result (0, 1 or 2).\n"
    "render draws a window of that size framed by the skin, as a 24-bit BMP, without the\n"
    "caption text and the icon. LIST is a comma list of close, maximize, minimize and help\n"
    "(default close,maximize,minimize; may be empty). --cursor is in client coordinates;\n"
    "--pressed holds the mouse button down. --menu-bar and --native-caption give the heights\n"
    "of the window's menu bar and of its unskinned caption, --caption-width the caption's\n"
    "drawn width. --outside colours what the skin's window region cuts away (default 000000).\n";

struct Command {
  std::vector<std::string> args;  // without the command name and the password option
  std::string password;
};

Command ParseCommand(const std::vector<std::string>& args, std::size_t count) {
  Command command;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--password") {
      if (i + 1 >= args.size()) throw UsageError{"--password needs a value"};
      command.password = args[++i];
    } else {
      command.args.push_back(args[i]);
    }
  }
  if (command.args.size() != count) throw UsageError{args[0] + " takes " + std::to_string(count) + " arguments"};
  return command;
}

// Raw deflate (no zlib header), as the package format stores entries.
std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw Error("Cannot start the compressor");
  std::vector<std::uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (rc != Z_STREAM_END) throw Error("Cannot compress the skin data");
  return out;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Build(const Command& c, std::ostream& out) {
  const std::vector<std::uint8_t> directory = BuildSkinDirectory(ReadSkinFolder(fs::u8path(c.args[0])));
  PackageEntryData entry;
  entry.name = kEntryName;
  entry.deflated = Deflate(directory);
  entry.crc = Crc32(0, directory.data(), directory.size());
  entry.uncompressedSize = static_cast<std::uint32_t>(directory.size());
  // A fixed time stamp: the same folder always gives the same package.
  entry.time = 0x6000;
  entry.date = 0x5A21;
  PackageOptions options;
  options.password = c.password;
  const std::vector<std::uint8_t> package = WriteSkinPackage({entry}, options);
  std::ofstream file(fs::u8path(c.args[1]), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
  file.close();
  if (!file) throw Error(Format("Cannot write '%s'", {c.args[1]}));
  out << c.args[1] << ": " << package.size() << " bytes\n";
  return 0;
}

// The pixels as B, G, R bytes, rows from the top, no padding.
std::uint32_t PixelCrc(const TBitmap& bitmap) {
  std::uint32_t crc = 0;
  for (int y = 0; y < bitmap.Height(); ++y) crc = Crc32(crc, bitmap.ScanLine(y), static_cast<std::size_t>(bitmap.Width()) * 3);
  return crc;
}

int List(const Command& c, std::ostream& out) {
  const Tsk2SkinFileReader reader(fs::u8path(c.args[0]), c.password);
  for (const auto& [name, bitmap] : reader.Bitmaps()) {
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", PixelCrc(*bitmap));
    out << "bitmap " << name << ' ' << bitmap->Width() << 'x' << bitmap->Height() << " crc=" << crc << '\n';
  }
  for (const std::string& text : reader.Integers()) out << "integer " << text << '\n';
  for (const std::string& text : reader.Bytes()) out << "byte " << text << '\n';
  for (const std::string& text : reader.Strings()) out << "string " << text << '\n';
  return 0;
}

int Extract(const Command& c) {
  return ExtractPackageEntry(fs::u8path(c.args[0]), c.args[1], fs::u8path(c.args[2]), c.password);
}

int Unpack(const Command& c, std::ostream& err) {
  TemporaryFile directory;
  const int result = ExtractPackageEntry(fs::u8path(c.args[0]), kEntryName, directory.Path(), c.password);
  if (result != 0) {
    err << (result == 2 ? "Wrong password!" : "Failed to read skin file!") << '\n';
    return result;
  }
  WriteSkinFolder(ParseSkinDirectory(ReadBytes(directory.Path())), fs::u8path(c.args[1]));
  return 0;
}

}  // namespace

int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError{"no command"};
    const std::string& name = args[0];
    if (name == "build") return Build(ParseCommand(args, 2), out);
    if (name == "list") return List(ParseCommand(args, 1), out);
    if (name == "extract") return Extract(ParseCommand(args, 3));
    if (name == "unpack") return Unpack(ParseCommand(args, 2), err);
    if (name == "render")
      return RunRenderCommand(ParseRenderCommand(std::vector<std::string>(args.begin() + 1, args.end())), out);
    throw UsageError{"unknown command " + name};
  } catch (const UsageError& usage) {
    err << "skinpack: " << usage.message << '\n' << kUsage;
    return kUsageError;
  } catch (const Error& error) {
    const std::string message = error.what();
    err << message << '\n';
    return message == "Wrong password!" ? 2 : 1;
  } catch (const std::exception& error) {
    err << "skinpack: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace zentavo
