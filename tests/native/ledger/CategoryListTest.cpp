#include "ledger/CategoryList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "LedgerTestFolder.h"
#include "core/Error.h"

using namespace zentavo;

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A Western single-byte code page (Latin-1): holds "Café", cannot hold "工资".
CategoryTextCodec Latin1() {
  CategoryTextCodec codec;
  codec.decode = [](std::string_view bytes) {
    if (bytes.substr(0, 3) == kUtf8Bom || (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE'))
      return DecodeSystemText(bytes);
    std::string utf8;
    for (unsigned char c : bytes) {
      if (c < 0x80) {
        utf8 += static_cast<char>(c);
      } else {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return utf8;
  };
  codec.encode = [](std::string_view utf8) -> std::optional<std::string> {
    std::string bytes;
    for (size_t i = 0; i < utf8.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(utf8[i]);
      if (c < 0x80) {
        bytes += static_cast<char>(c);
      } else if ((c & 0xE0) == 0xC0 && c <= 0xC3 && i + 1 < utf8.size()) {
        bytes += static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
      } else {
        return std::nullopt;
      }
    }
    return bytes;
  };
  return codec;
}

class CategoryListTest : public ::testing::Test {
 protected:
  std::vector<std::string> Lines(const CategoryTextCodec& codec = {}) {
    std::vector<std::string> lines;
    EXPECT_TRUE(CategoryListExists(path));
    ReadCategoryList(path, [&](const std::string& line) { lines.push_back(line); }, codec);
    return lines;
  }
  std::string Bytes() { return ReadFile(folder.Path() / "outgoType.dat"); }

  LedgerTestFolder folder;
  std::string path = folder.File("outgoType.dat");
};

const std::string kGongzi = "\xE5\xB7\xA5\xE8\xB5\x84";  // 工资 in UTF-8
const std::string kCafeUtf8 = "Caf\xC3\xA9";

}  // namespace

TEST_F(CategoryListTest, ReadsEveryLineInFileOrderAsWritten) {
  WriteFile(path, "Food\r\n  Rent \r\n\r\nFood\r\nbus\nlast without end");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Food", "  Rent ", "", "Food", "bus", "last without end"}));
  WriteFile(path, "a\r\n");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a"}));  // no empty line after the last line end
  WriteFile(path, "");
  EXPECT_TRUE(Lines().empty());
}

TEST_F(CategoryListTest, SavesOnlyWhatNoLineEqualsExactly) {
  WriteFile(path, "Food\r\nRent\r\n");
  EXPECT_TRUE(SaveCategory(path, "Bus"));
  EXPECT_FALSE(SaveCategory(path, "Food"));
  EXPECT_TRUE(SaveCategory(path, "food"));   // case counts
  EXPECT_TRUE(SaveCategory(path, " Rent"));  // blanks count
  EXPECT_FALSE(SaveCategory(path, "Bus"));
  EXPECT_EQ(Bytes(), "Food\r\nRent\r\nBus\r\nfood\r\n Rent\r\n");
}

TEST_F(CategoryListTest, AnEmptyCategoryAddsOneEmptyLineOnce) {
  WriteFile(path, "Food\r\n");
  EXPECT_TRUE(SaveCategory(path, ""));
  EXPECT_FALSE(SaveCategory(path, ""));
  EXPECT_EQ(Bytes(), "Food\r\n\r\n");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Food", ""}));
}

TEST_F(CategoryListTest, AMissingFileIsCreatedWithTheOneCategory) {
  EXPECT_TRUE(SaveCategory(path, "Food"));
  EXPECT_EQ(Bytes(), "Food\r\n");
  std::filesystem::remove(path);
  EXPECT_TRUE(SaveCategory(path, ""));
  EXPECT_EQ(Bytes(), "\r\n");
}

TEST_F(CategoryListTest, ALastLineWithoutItsEndDoesNotSwallowTheNewCategory) {
  WriteFile(path, "Food\r\nRent");
  EXPECT_TRUE(SaveCategory(path, "Bus"));
  EXPECT_EQ(Bytes(), "Food\r\nRent\r\nBus\r\n");
  EXPECT_FALSE(SaveCategory(path, "Rent"));
}

TEST_F(CategoryListTest, TextTheCodePageHoldsIsAppendedInTheCodePage) {
  WriteFile(path, "Food\r\n");
  EXPECT_TRUE(SaveCategory(path, kCafeUtf8, Latin1()));
  EXPECT_EQ(Bytes(), "Food\r\nCaf\xE9\r\n");
  EXPECT_FALSE(SaveCategory(path, kCafeUtf8, Latin1()));
  EXPECT_EQ(Lines(Latin1()), (std::vector<std::string>{"Food", kCafeUtf8}));
}

TEST_F(CategoryListTest, TextTheCodePageCannotHoldTurnsTheFileIntoUtf8Once) {
  WriteFile(path, "Food\r\nCaf\xE9\r\n\r\nRent");
  EXPECT_TRUE(SaveCategory(path, kGongzi, Latin1()));
  EXPECT_EQ(Bytes(), std::string(kUtf8Bom) + "Food\r\n" + kCafeUtf8 + "\r\n\r\nRent\r\n" + kGongzi + "\r\n");
  EXPECT_FALSE(SaveCategory(path, kGongzi, Latin1()));  // read back exactly, so never added twice
  EXPECT_TRUE(SaveCategory(path, "Bus", Latin1()));
  EXPECT_TRUE(SaveCategory(path, "Tea " + kCafeUtf8, Latin1()));  // UTF-8 from now on
  EXPECT_EQ(Lines(Latin1()), (std::vector<std::string>{"Food", kCafeUtf8, "", "Rent", kGongzi, "Bus", "Tea " + kCafeUtf8}));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(CategoryListTest, NewFilesAndUtf16FilesTakeUtf8WithAByteOrderMark) {
  EXPECT_TRUE(SaveCategory(path, kGongzi, Latin1()));
  EXPECT_EQ(Bytes(), std::string(kUtf8Bom) + kGongzi + "\r\n");
  EXPECT_EQ(Lines(Latin1()), (std::vector<std::string>{kGongzi}));

  // UTF-16 LE "Food\r\n": appending single bytes to it would break every line after.
  WriteFile(path, std::string("\xFF\xFE" "F\0o\0o\0d\0\r\0\n\0", 14));
  EXPECT_FALSE(SaveCategory(path, "Food", Latin1()));
  EXPECT_TRUE(SaveCategory(path, "Bus", Latin1()));
  EXPECT_EQ(Bytes(), std::string(kUtf8Bom) + "Food\r\nBus\r\n");
}

TEST_F(CategoryListTest, AFailedRewriteLeavesTheFileAsItWas) {
  const std::string before = "Food\r\nCaf\xE9\r\n";
  WriteFile(path, before);
  std::filesystem::create_directory(path + ".tmp");  // the temporary file cannot be made
  try {
    SaveCategory(path, kGongzi, Latin1());
    FAIL() << "the rewrite must fail";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  EXPECT_EQ(Bytes(), before);
}

TEST_F(CategoryListTest, ReadAndWriteFailuresCarryTheSystemErrorText) {
  std::filesystem::create_directory(path);  // a folder where the file should be
  auto message = [](const auto& action) {
    try {
      action();
    } catch (const Error& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_TRUE(CategoryListExists(path));
  EXPECT_EQ(message([&] { ReadCategoryList(path, [](const std::string&) {}); }), "File access denied");
  EXPECT_EQ(message([&] { SaveCategory(path, "Food"); }), "File access denied");
  const std::string inMissingFolder = folder.File("missing/outgoType.dat");
  EXPECT_FALSE(CategoryListExists(inMissingFolder));
  EXPECT_EQ(message([&] { ReadCategoryList(folder.File("none.dat"), [](const std::string&) {}); }),
            "File not found");
  EXPECT_EQ(message([&] { SaveCategory(inMissingFolder, "Food"); }), "Invalid filename");
  EXPECT_EQ(CategoryFileErrorText(42), "I/O error 42");
}
