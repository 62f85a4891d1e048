#include "layout/part_kind.h"

#include <charconv>
#include <string>

namespace vorlune {

namespace {

using G = PartGroup;
using D = DialogFamily;

constexpr std::array<PartKindInfo, 30> kTable{{
    {1, "Play", "再生ボタンを配置します", G::Alone, 36, 30, 135, D::Button},
    {2, "Stop", "停止ボタンを配置します", G::Alone, 36, 30, 136, D::Button},
    {3, "TrackStart", "曲頭バックボタンを配置します", G::Alone, 36, 30, 137, D::Button},
    {4, "NextTrack", "次曲送りボタンを配置します", G::Alone, 36, 30, 138, D::Button},
    {5, "Rewind", "巻き戻しボタンを配置します", G::Alone, 36, 30, 139, D::Button},
    {6, "FastForward", "早送りボタンを配置します", G::Alone, 36, 30, 140, D::Button},
    {7, "VolumeUp", "音量大ボタンを配置します", G::Alone, 36, 30, 141, D::Button},
    {8, "VolumeDown", "音量小ボタンを配置します", G::Alone, 36, 30, 142, D::Button},
    {9, "VolumeBarH", "ボリュームレベル(横バー)を配置します", G::Volume, 64, 6, 144, D::TwoColor},
    {10, "VolumeBarV", "ボリュームレベル(縦バー)を配置します", G::Volume, 6, 64, 146, D::TwoColor},
    {11, "VolumeDotH", "ボリュームレベル(横ドット)を配置します", G::Volume, 64, 6, 145, D::TwoColor},
    {12, "VolumeDotV", "ボリュームレベル(縦ドット)を配置します", G::Volume, 6, 64, 147, D::TwoColor},
    {13, "EqualizerBarH", "グライコ(横バー)を配置します", G::Equalizer, 128, 160, 148, D::TwoColor},
    {14, "EqualizerBarV", "グライコ(縦バー)を配置します", G::Equalizer, 160, 128, 150, D::TwoColor},
    {15, "EqualizerDotH", "グライコ(横ドット)を配置します", G::Equalizer, 128, 160, 149, D::TwoColor},
    {16, "EqualizerDotV", "グライコ(縦ドット)を配置します", G::Equalizer, 160, 128, 151, D::TwoColor},
    {17, "LevelBarH", "レベルメータ(横バー)を配置します", G::Level, 128, 40, 152, D::ThreeColor},
    {18, "LevelBarV", "レベルメータ(縦バー)を配置します", G::Level, 40, 128, 154, D::ThreeColor},
    {19, "LevelDotH", "レベルメータ(横ドット)を配置します", G::Level, 128, 40, 153, D::ThreeColor},
    {20, "LevelDotV", "レベルメータ(縦ドット)を配置します", G::Level, 40, 128, 155, D::ThreeColor},
    {21, "Time1", "時間表示(１)を配置します", G::Time, 150, 36, 156, D::TextColor},
    {22, "Time2", "時間表示(２)を配置します", G::Time, 150, 36, 157, D::TextColor},
    {23, "Time3", "時間表示(３)を配置します", G::Time, 150, 36, 158, D::TextColor},
    {24, "Track1", "トラック表示(１)を配置します", G::Track, 60, 36, 159, D::TextColor},
    {25, "Track2", "トラック表示(２)を配置します", G::Track, 60, 36, 160, D::TextColor},
    {26, "Track3", "トラック表示(３)を配置します", G::Track, 60, 36, 161, D::TextColor},
    {27, "TitleLarge", "タイトル表示(大)を配置します", G::Title, 240, 28, 162, D::TextColor},
    {28, "TitleMedium", "タイトル表示(中)を配置します", G::Title, 240, 22, 163, D::TextColor},
    {29, "TitleSmall", "タイトル表示(小)を配置します", G::Title, 240, 14, 164, D::TextColor},
    {30, "Replay", "リプレイボタンを配置します", G::Alone, 36, 30, 143, D::Button},
}};

}  // namespace

const std::array<PartKindInfo, 30>& PartKindTable() {
  return kTable;
}

bool IsPartKind(int k) {
  return k >= kFirstKind && k <= kLastKind;
}

const PartKindInfo& KindInfo(PartKind k) {
  return kTable.at(static_cast<std::size_t>(k - 1));
}

PartGroup GroupOf(PartKind k) {
  return KindInfo(k).group;
}

DialogFamily DialogFamilyOf(PartKind k) {
  return KindInfo(k).family;
}

KindRange GroupKinds(PartKind k) {
  switch (GroupOf(k)) {
    case PartGroup::Volume:
      return {9, 12};
    case PartGroup::Equalizer:
      return {13, 16};
    case PartGroup::Level:
      return {17, 20};
    case PartGroup::Time:
      return {21, 23};
    case PartGroup::Track:
      return {24, 26};
    case PartGroup::Title:
      return {27, 29};
    case PartGroup::Alone:
      break;
  }
  return {k, k};
}

UserMessage PlacementMessage(PartKind k) {
  return {std::string(KindInfo(k).placementText),
          MessageIcon::Information,
          MessageCode::PlacePart,
          {std::to_string(k)}};
}

std::optional<PartKind> KindFromText(std::string_view text) {
  int number = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec == std::errc() && end == text.data() + text.size()) {
    if (IsPartKind(number)) return number;
    return std::nullopt;
  }
  for (const auto& row : kTable) {
    if (row.name == text) return row.kind;
  }
  return std::nullopt;
}

}  // namespace vorlune
