#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Bitmap.h"
#include "skin/Skin2Define.h"
#include "skin/Skin2SkinReader.h"

namespace zentavo {

// The typed skin reader the engine owns: loads a package, prepares its bitmaps and answers
// look-ups by key id. States: no skin (no package reader, Loaded false) and loaded.
class TsuiSkinReader {
 public:
  using TNotify = std::function<void(TsuiSkinReader&)>;

  // Starts with no skin, then loads the file. The engine passes an empty name, so that
  // first load finds no file and notifies nobody (no handler is set yet).
  TsuiSkinReader(const std::filesystem::path& fileName, std::string_view password);

  // Loads a package. A missing file is no error: the reader goes to no skin and notifies.
  // A damaged package or a wrong password leaves no skin and raises the error without
  // notifying.
  void Load(const std::filesystem::path& fileName, std::string_view password);

  bool Loaded() const { return loaded_; }

  // Look-ups; with no skin, or a value missing from the package: -1, none, -1, 0.
  TColor GetColor(int key) const;
  TBitmap* GetBitmap(int key) const;  // owned by the reader until the next Load
  int GetPosition(int key) const;
  int GetFlag(int key) const;

  // Called after every Load that does not fail, with the reader.
  TNotify OnChange;

 private:
  std::unique_ptr<Tsk2SkinFileReader> package_;
  bool loaded_ = false;
};

}  // namespace zentavo
