#include "skin/SuiSkinReader.h"

namespace zentavo {

TsuiSkinReader::TsuiSkinReader(const std::filesystem::path& fileName, std::string_view password) {
  Load(fileName, password);
}

void TsuiSkinReader::Load(const std::filesystem::path& fileName, std::string_view password) {
  // The previous skin goes first: from here on none of its bitmaps may be used.
  package_.reset();
  loaded_ = false;
  std::error_code ec;
  if (!fileName.empty() && std::filesystem::exists(fileName, ec)) {
    auto package = std::make_unique<Tsk2SkinFileReader>(fileName, password);  // may raise
    const TColor transparent = package->GetInteger(SkinKeyName(SkinKeyGroup::kColor, SKIN2_TRANSCOLOR));
    package->SetTransparentColor(transparent);
    if (TBitmap* track = package->GetBitmap(SkinKeyName(SkinKeyGroup::kBitmap, SKIN2_TRACKBAR))) {
      // The channel is drawn opaquely, so its transparent pixels take the form colour now.
      const TColor form = package->GetInteger(SkinKeyName(SkinKeyGroup::kColor, SKIN2_FORMCOLOR));
      track->SetPixelFormat24();
      for (int x = 0; x < track->Width(); ++x)
        for (int y = 0; y < track->Height(); ++y)
          if (track->Pixel(x, y) == transparent) track->SetPixel(x, y, form);
    }
    package_ = std::move(package);
    loaded_ = true;
  }
  if (OnChange) OnChange(*this);
}

TColor TsuiSkinReader::GetColor(int key) const {
  return package_ ? package_->GetInteger(SkinKeyName(SkinKeyGroup::kColor, key)) : -1;
}

TBitmap* TsuiSkinReader::GetBitmap(int key) const {
  return package_ ? package_->GetBitmap(SkinKeyName(SkinKeyGroup::kBitmap, key)) : nullptr;
}

int TsuiSkinReader::GetPosition(int key) const {
  return package_ ? package_->GetInteger(SkinKeyName(SkinKeyGroup::kPosition, key)) : -1;
}

int TsuiSkinReader::GetFlag(int key) const {
  return package_ ? package_->GetByte(SkinKeyName(SkinKeyGroup::kFlag, key)) : 0;
}

}  // namespace zentavo
