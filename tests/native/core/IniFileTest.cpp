#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Error.h"
#include "core/IniFile.h"

using zentavo::IniFile;
using zentavo::ParseInteger;

TEST(IniFile, ReadsAsProfileFunctionsDo) {
  IniFile file = IniFile::Parse(
      "; comment\r\n[Common]\r\n  Language =  1  \r\n[frmMain]\r\ncaption=\"  Zentavo  \"\r\n"
      "quoted='x'\r\nhalf=\"x\r\nempty=\r\ncaption=second\r\n[FRMMAIN]\r\nlater=1\r\n");
  EXPECT_EQ(file.ReadInteger("common", "LANGUAGE", 2), 1);
  EXPECT_EQ(file.Read("frmmain", "Caption"), "  Zentavo  ");  // quotes protect the blanks
  EXPECT_EQ(file.Read("frmMain", "quoted"), "x");
  EXPECT_EQ(file.Read("frmMain", "half"), "\"x");
  EXPECT_EQ(file.Read("frmMain", "empty"), "");
  EXPECT_EQ(file.Read("frmMain", "later"), "1");  // a repeated section still counts
  EXPECT_FALSE(file.Read("frmMain", "missing").has_value());
  EXPECT_FALSE(file.Read("other", "caption").has_value());
}

TEST(IniFile, CutsValuesAt2047Characters) {
  IniFile file = IniFile::Parse("[s]\nk=" + std::string(3000, 'a') + "\n");
  EXPECT_EQ(file.Read("s", "k")->size(), 2047u);
}

TEST(IniFile, IntegersFallBackToTheDefaultUnlessWhole) {
  IniFile file = IniFile::Parse("[common]\na=3\nb=x\nc=\nd=1x\ne=-4\nf=$10\ng=99999999999\n");
  EXPECT_EQ(file.ReadInteger("common", "a", 2), 3);
  EXPECT_EQ(file.ReadInteger("common", "b", 2), 2);
  EXPECT_EQ(file.ReadInteger("common", "c", 2), 2);
  EXPECT_EQ(file.ReadInteger("common", "d", 2), 2);
  EXPECT_EQ(file.ReadInteger("common", "e", 2), -4);
  EXPECT_EQ(file.ReadInteger("common", "f", 2), 16);
  EXPECT_EQ(file.ReadInteger("common", "g", 2), 2);
  EXPECT_EQ(file.ReadInteger("common", "none", 10), 10);
  EXPECT_EQ(ParseInteger("0x1F"), 31);
  EXPECT_FALSE(ParseInteger("-").has_value());
}

TEST(IniFile, WritingKeepsOtherLinesAndCreatesSections) {
  IniFile file = IniFile::Parse("; keep me\r\n[common]\r\nlanguage=1\r\n[other]\r\nx=1\r\n");
  file.Write("skin", "skin", "5");
  file.Write("COMMON", "extra", "y");
  file.Write("common", "LANGUAGE", "2");
  EXPECT_EQ(file.Text(),
            "; keep me\r\n[common]\r\nLANGUAGE=2\r\nextra=y\r\n[other]\r\nx=1\r\n[skin]\r\nskin=5\r\n");
}

TEST(IniFile, SaveCreatesTheFileAndMissingFilesReadEmpty) {
  auto folder = std::filesystem::temp_directory_path() / "zentavo-ini-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::string path = (folder / "config.ini").string();
  EXPECT_FALSE(IniFile::Load(path).Read("skin", "skin").has_value());
  IniFile file = IniFile::Load(path);
  file.Write("skin", "skin", "7");
  file.Save(path);
  EXPECT_EQ(IniFile::Load(path).ReadInteger("skin", "skin", 10), 7);
  EXPECT_THROW(file.Save((folder / "missing" / "config.ini").string()), zentavo::Error);
  std::filesystem::remove_all(folder);
}
