#include <gtest/gtest.h>

#include "SkinTestData.h"
#include "core/Error.h"
#include "skin/Skin2SkinReader.h"

namespace zentavo {
namespace {

using test::Bytes;

class ExtractPackageEntryTest : public ::testing::Test {
 protected:
  // Writes the package and extracts `entry` from it; `out_` holds the output file.
  int Extract(const Bytes& package, const std::string& entry = "SKINDATA.SK2",
              const std::string& password = "") {
    test::WriteFile(packagePath_, package);
    std::filesystem::remove(outPath_);
    return ExtractPackageEntry(packagePath_, entry, outPath_, password);
  }
  bool OutputExists() const { return std::filesystem::exists(outPath_); }
  Bytes Output() const { return test::ReadFile(outPath_); }

  test::ScratchFolder folder_;
  std::filesystem::path packagePath_ = folder_ / "skin.ssk";
  std::filesystem::path outPath_ = folder_ / "out.bin";
  Bytes data_ = test::SampleData(5000);
};

TEST_F(ExtractPackageEntryTest, SkMarkIsAcceptedAndPkRejected) {
  PackageOptions options;
  EXPECT_EQ(Extract(WriteSkinPackage({test::Entry("SKINDATA.SK2", data_)}, options)), kExtractDone);
  EXPECT_EQ(Output(), data_);
  options.mark[0] = 'P';
  EXPECT_EQ(Extract(WriteSkinPackage({test::Entry("SKINDATA.SK2", data_)}, options)), kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

TEST_F(ExtractPackageEntryTest, FindsTheEntryInAnyLetterCaseAfterExtraFieldsAndComments) {
  PackageEntryData first = test::Entry("readme.txt", test::Text("not this one"));
  first.extra = {0x55, 0x54, 5, 0, 1, 2, 3, 4, 5};
  first.comment = "a comment that the walk must step over";
  PackageEntryData second = test::Entry("skindata.sk2", data_);
  second.extra = {0x0A, 0, 4, 0, 9, 9, 9, 9};
  EXPECT_EQ(Extract(WriteSkinPackage({first, second}, {})), kExtractDone);
  EXPECT_EQ(Output(), data_);
  EXPECT_EQ(Extract(WriteSkinPackage({first, second}, {}), "SkinData.Sk2"), kExtractDone);
  EXPECT_EQ(Extract(WriteSkinPackage({first, second}, {}), "SKINDATA.SK"), kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

TEST_F(ExtractPackageEntryTest, MissingShortOrCommentedPackagesFail) {
  EXPECT_EQ(ExtractPackageEntry(folder_ / "none.ssk", "SKINDATA.SK2", outPath_, ""), kExtractFailed);
  EXPECT_EQ(ExtractPackageEntry(folder_.Path(), "SKINDATA.SK2", outPath_, ""), kExtractFailed);
  EXPECT_EQ(Extract(Bytes{'S', 'K', 3, 4, 0, 0}), kExtractFailed);
  EXPECT_EQ(Extract(Bytes{}), kExtractFailed);
  // An archive comment moves the end record away from the last 22 bytes.
  Bytes package = WriteSkinPackage({test::Entry("SKINDATA.SK2", data_)}, {});
  package[package.size() - 2] = 3;
  package.insert(package.end(), {'a', 'b', 'c'});
  EXPECT_EQ(Extract(package), kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

TEST_F(ExtractPackageEntryTest, UnencryptedEntryIgnoresThePassword) {
  EXPECT_EQ(Extract(test::SkinPackage({}), "SKINDATA.SK2", "anything"), kExtractDone);
}

TEST_F(ExtractPackageEntryTest, EncryptedEntryNeedsTheRightPassword) {
  PackageOptions options;
  options.password = "s3cret";
  const Bytes package = WriteSkinPackage({test::Entry("SKINDATA.SK2", data_)}, options);
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", "s3cret"), kExtractDone);
  EXPECT_EQ(Output(), data_);
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", ""), kExtractWrongPassword);
  EXPECT_FALSE(OutputExists());
  // A wrong password fails either on the check byte or, when it matches that byte by
  // chance, on the garbage it decrypts to; both are a wrong password, never success.
  int wrong = 0;
  for (int i = 0; i < 600; ++i) {
    const int result = Extract(package, "SKINDATA.SK2", "guess" + std::to_string(i));
    EXPECT_EQ(result, kExtractWrongPassword);
    wrong += result == kExtractWrongPassword;
    EXPECT_FALSE(OutputExists());
  }
  EXPECT_EQ(wrong, 600);
}

TEST_F(ExtractPackageEntryTest, FlagBit3ChecksTheTimeInsteadOfTheCrc) {
  PackageOptions options;
  options.password = "pw";
  PackageEntryData entry = test::Entry("SKINDATA.SK2", data_);
  entry.timeCheck = true;
  entry.time = 0xA1B2;
  EXPECT_EQ(Extract(WriteSkinPackage({entry}, options), "SKINDATA.SK2", "pw"), kExtractDone);
  EXPECT_EQ(Output(), data_);
  // Written with the CRC's top byte as check but flagged for the time: the check fails.
  entry.timeCheck = false;
  Bytes package = WriteSkinPackage({entry}, options);
  const std::size_t central = package.size() - 22 - (46 + entry.name.size());
  package[central + 8] |= 8;
  if ((entry.crc >> 24) != 0xA1) {
    EXPECT_EQ(Extract(package, "SKINDATA.SK2", "pw"), kExtractWrongPassword);
  }
}

TEST_F(ExtractPackageEntryTest, DamagedOrTruncatedStreamsFailAndLeaveNoOutput) {
  PackageEntryData entry = test::Entry("SKINDATA.SK2", data_);
  for (std::size_t keep : {std::size_t{0}, std::size_t{1}, entry.deflated.size() / 2}) {
    PackageEntryData cut = entry;
    cut.deflated.resize(keep);
    EXPECT_EQ(Extract(WriteSkinPackage({cut}, {})), kExtractFailed) << keep;
    EXPECT_FALSE(OutputExists());
  }
  PackageEntryData damaged = entry;
  damaged.deflated[0] = 0xFF;  // final, reserved type: an empty stream
  EXPECT_EQ(Extract(WriteSkinPackage({damaged}, {})), kExtractFailed);  // empty output
  EXPECT_FALSE(OutputExists());
}

TEST_F(ExtractPackageEntryTest, SizeMismatchIsResultTwo) {
  PackageEntryData entry = test::Entry("SKINDATA.SK2", data_);
  entry.uncompressedSize += 1;
  EXPECT_EQ(Extract(WriteSkinPackage({entry}, {})), kExtractWrongPassword);
  EXPECT_FALSE(OutputExists());
  entry.uncompressedSize -= 2;  // more data than recorded: stopped early, same result
  EXPECT_EQ(Extract(WriteSkinPackage({entry}, {})), kExtractWrongPassword);
  EXPECT_FALSE(OutputExists());
}

TEST_F(ExtractPackageEntryTest, OffsetsPointingOutsideTheFileFail) {
  Bytes package = WriteSkinPackage({test::Entry("SKINDATA.SK2", data_)}, {});
  Bytes badCentral = package;
  badCentral[package.size() - 6] = 0xFF;  // central directory offset far beyond the end
  badCentral[package.size() - 3] = 0x7F;
  EXPECT_EQ(Extract(badCentral), kExtractFailed);
  Bytes badLocal = package;
  const std::size_t central = package.size() - 22 - (46 + 12);
  badLocal[central + 42 + 3] = 0x7F;  // local header offset beyond the end
  EXPECT_EQ(Extract(badLocal), kExtractFailed);
  EXPECT_FALSE(OutputExists());
}

class SkinFileReaderTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const Bytes& package) {
    test::WriteFile(path_, package);
    return path_;
  }
  test::ScratchFolder folder_;
  std::filesystem::path path_ = folder_ / "skin.ssk";
};

TEST_F(SkinFileReaderTest, ReadsTheFourListsInFileOrder) {
  TBitmap small(3, 2);
  small.SetPixel(1, 1, RGBColor(10, 20, 30));
  const Tsk2SkinFileReader reader(Write(test::SkinPackage({
                                      test::IntegerRecord("SKIN2_FORMCOLOR", 0x123456),
                                      test::BitmapRecord("SKIN2_BUTTON", small),
                                      test::ByteRecord("SKIN2_BUTTONTRANS", 200),
                                      test::StringRecord("AUTHOR", "Zentavo = us"),
                                      test::IntegerRecord("SKIN2_FORMCOLOR", 7),
                                      test::IntegerRecord("NEGATIVE", -42),
                                      {"UNKNOWN", 9, Bytes{1, 2, 3}},
                                  })),
                                  "");
  EXPECT_EQ(reader.Integers(),
            (std::vector<std::string>{"SKIN2_FORMCOLOR=1193046", "SKIN2_FORMCOLOR=7", "NEGATIVE=-42"}));
  EXPECT_EQ(reader.Bytes(), std::vector<std::string>{"SKIN2_BUTTONTRANS=200"});
  EXPECT_EQ(reader.Strings(), std::vector<std::string>{"AUTHOR=Zentavo = us"});
  ASSERT_EQ(reader.Bitmaps().size(), 1u);
  EXPECT_EQ(reader.GetInteger("skin2_formcolor"), 0x123456);  // the first of that name
  EXPECT_EQ(reader.GetInteger("negative"), -42);
  EXPECT_EQ(reader.GetByte("Skin2_ButtonTrans"), 200);
  TBitmap* button = reader.GetBitmap("skin2_button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 3);
  EXPECT_EQ(button->Pixel(1, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(reader.GetInteger("SKIN2_MISSING"), -1);
  EXPECT_EQ(reader.GetByte("SKIN2_MISSING"), 0);
  EXPECT_EQ(reader.GetBitmap("SKIN2_MISSING"), nullptr);
  EXPECT_EQ(reader.GetInteger("AUTHOR"), -1);  // strings are not integers
}

TEST_F(SkinFileReaderTest, EmptyDirectoryGivesAnEmptyReader) {
  const Tsk2SkinFileReader reader(Write(test::SkinPackage({})), "");
  EXPECT_TRUE(reader.Bitmaps().empty());
  EXPECT_TRUE(reader.Integers().empty());
  EXPECT_TRUE(reader.Bytes().empty());
  EXPECT_TRUE(reader.Strings().empty());
}

TEST_F(SkinFileReaderTest, SetTransparentColorFixesEveryBitmap) {
  Tsk2SkinFileReader reader(Write(test::SkinPackage({test::BitmapRecord("A", TBitmap(2, 2)),
                                                     test::BitmapRecord("B", TBitmap(1, 1))})),
                            "");
  reader.SetTransparentColor(RGBColor(255, 0, 255));
  for (const auto& [name, bitmap] : reader.Bitmaps()) {
    EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmFixed) << name;
    EXPECT_EQ(bitmap->TransparentColor(), RGBColor(255, 0, 255)) << name;
  }
}

TEST_F(SkinFileReaderTest, FailuresCarryTheirMessages) {
  auto message = [&](const Bytes& package, const std::string& password) -> std::string {
    try {
      Tsk2SkinFileReader reader(Write(package), password);
    } catch (const Error& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message(test::SkinPackage({}, "pw"), "wrong"), "Wrong password!");
  EXPECT_EQ(message(test::SkinPackage({}, "pw"), ""), "Wrong password!");
  EXPECT_EQ(message(test::SkinPackage({}, "pw"), "pw"), "no error");
  EXPECT_EQ(message(Bytes(100, 'S'), ""), "Failed to read skin file!");

  PackageOptions plain;
  auto directory = [&](Bytes file) { return WriteSkinPackage({test::Entry("SKINDATA.SK2", file)}, plain); };
  Bytes good = BuildSkinDirectory({test::IntegerRecord("X", 1)});
  Bytes badHeader = good;
  badHeader[12] = 25;
  EXPECT_EQ(message(directory(badHeader), ""), "Failed to read skin file!");
  Bytes loop = good;  // the first record's next offset points back at itself
  loop[24 + 73] = 24;
  loop[24 + 74] = 0;
  EXPECT_EQ(message(directory(loop), ""), "Failed to read skin file!");
  Bytes wideInteger = good;
  wideInteger[24 + 69] = 8;  // an integer of 8 bytes
  EXPECT_EQ(message(directory(wideInteger), ""), "Failed to read skin file!");
  Bytes beyond = good;
  beyond[24 + 68] = 0x40;  // data offset beyond the end
  EXPECT_EQ(message(directory(beyond), ""), "Failed to read skin file!");
  EXPECT_EQ(message(test::SkinPackage({{"SKIN2_BUTTON", 0, Bytes{'B', 'M', 1, 2}}}), ""),
            "Bitmap image is not valid");
}

TEST_F(SkinFileReaderTest, LeavesNoTemporaryFileBehind) {
  const auto count = [] {
    return std::distance(std::filesystem::directory_iterator(std::filesystem::temp_directory_path()),
                         std::filesystem::directory_iterator());
  };
  const auto before = count();
  { Tsk2SkinFileReader reader(Write(test::SkinPackage({test::IntegerRecord("X", 1)})), ""); }
  EXPECT_THROW(Tsk2SkinFileReader(Write(test::SkinPackage({}, "pw")), "bad"), Error);
  EXPECT_EQ(count(), before);
}

}  // namespace
}  // namespace zentavo
