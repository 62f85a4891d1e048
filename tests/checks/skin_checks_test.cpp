// Small layouts and what CheckSkin finds in them, kept as one readable text:
// tests/data/checks/check_findings.txt.
#include "checks/skin_checks.h"

#include <gtest/gtest.h>

#include "checks/finding_text.h"
#include "checks/picker_contrast.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

constexpr PickerIndex kNo = kNoColor;
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

using testing::Patch;
struct Part {
  PartKind kind;
  int x, y;
  ColorTriple colours;
};
struct Case {
  const char* name;
  std::vector<Patch> background;  // later patches over earlier ones; none: no background
  std::vector<Part> parts;
  int storedCount = -1;  // a placed count other than the true one
};

const Patch kAllBlack{0, 0, 320, 320, kBlack}, kAllWhite{0, 0, 320, 320, kWhite};
// Grey off, white on: 5.3:1 and 21:1 on black, 3.9:1 apart. Grey and black on white.
const Part kPlay{1, 10, 10, {8, 15, kNo}}, kStop{2, 60, 10, {8, 15, kNo}};
const Part kPlayOnWhite{1, 10, 10, {8, 0, kNo}}, kStopOnWhite{2, 60, 10, {8, 0, kNo}};
const Part kTime{21, 150, 100, {15, kNo, kNo}};  // white

const Case kCases[] = {
    {"a new layout", {}, {}},
    {"play and stop without a background", {}, {kPlay, kStop}},
    {"only stop placed", {kAllBlack}, {kStop}},
    {"play and stop on black", {kAllBlack}, {kPlay, kStop}},
    {"every family passing on black",
     {kAllBlack},
     {kPlay,
      kStop,
      {9, 110, 10, {8, 15, kNo}},
      {13, 10, 50, {8, 15, kNo}},
      {17, 150, 50, {8, 15, 7}},
      kTime,
      {24, 150, 150, {15, kNo, kNo}},
      {29, 10, 220, {15, kNo, kNo}},
      {30, 10, 250, {kNo, kNo, kNo}}}},
    {"grey and black buttons and a bare replay on white",
     {kAllWhite},
     {kPlayOnWhite, kStopOnWhite, {30, 120, 10, {kNo, kNo, kNo}}}},
    {"white time display on white", {kAllWhite}, {kPlayOnWhite, kStopOnWhite, kTime}},
    {"grey title on white: 3.95 passes a button, not text",
     {kAllWhite},
     {kPlayOnWhite, kStopOnWhite, {27, 10, 200, {8, kNo, kNo}}}},
    {"volume on like off", {kAllBlack}, {kPlay, kStop, {9, 110, 10, {14, 15, kNo}}}},
    {"level maximum like on", {kAllBlack}, {kPlay, kStop, {17, 150, 50, {8, 15, 11}}}},
    {"level meter all black on black", {kAllBlack}, {kPlay, kStop, {20, 150, 50, {0, 0, 0}}}},
    {"white under half the time display", {kAllBlack, {150, 0, 225, 320, kWhite}}, {kPlay, kStop, kTime}},
    {"white under 20 % of the time display", {kAllBlack, {150, 0, 180, 320, kWhite}}, {kPlay, kStop, kTime}},
    {"white under 19 % of the time display", {kAllBlack, {150, 0, 179, 320, kWhite}}, {kPlay, kStop, kTime}},
    {"two whites 1 apart count as one",
     {kAllBlack, {150, 0, 169, 320, kWhite}, {169, 0, 186, 320, {253, 253, 253}}},
     {kPlay, kStop, kTime}},
    {"white and light grey count apart",
     {kAllBlack, {150, 0, 169, 320, kWhite}, {169, 0, 186, 320, {240, 240, 240}}},
     {kPlay, kStop, kTime}},
    // The play symbol's ink lies within (15, 14) .. (41, 35).
    {"a white frame around the play symbol is not under it",
     {kAllBlack, {10, 10, 46, 40, kWhite}, {15, 14, 42, 36, kBlack}},
     {{1, 10, 10, {15, 8, kNo}}, kStop}},
    {"white under the play symbol",
     {kAllBlack, {10, 10, 46, 40, kWhite}},
     {{1, 10, 10, {15, 8, kNo}}, kStop}},
    {"the title's whole box counts, beyond its sample text",
     {kAllBlack, {190, 220, 320, 320, kWhite}},
     {kPlay, kStop, {29, 10, 220, {15, kNo, kNo}}}},
    {"play and stop touch", {kAllBlack}, {kPlay, {2, 46, 10, {8, 15, kNo}}}},
    {"play and stop overlap", {kAllBlack}, {kPlay, {2, 40, 20, {8, 15, kNo}}}},
    {"a time display outside the skin", {kAllBlack}, {kPlay, kStop, {21, 200, 100, {15, kNo, kNo}}}},
    {"two forms of the time display", {kAllBlack}, {kPlay, kStop, kTime, {22, 150, 150, {15, kNo, kNo}}}},
    {"a stale placed count", {kAllBlack}, {kPlay, kStop}, 5},
    {"a replay far off the skin", {kAllBlack}, {kPlay, kStop, {30, 2000000000, 5, {15, 8, kNo}}}},
};

SkinLayout LayoutOf(const Case& c) {
  SkinLayout layout = c.background.empty() ? NewSkinLayout() : testing::PaintedLayout(c.background);
  for (const Part& p : c.parts) testing::Place(layout, p.kind, p.x, p.y, p.colours);
  if (c.storedCount >= 0) layout.placedCount = static_cast<std::uint32_t>(c.storedCount);
  return layout;
}

std::vector<std::pair<std::string, SkinLayout>> Layouts() {
  std::vector<std::pair<std::string, SkinLayout>> all;
  for (const Case& c : kCases) all.emplace_back(c.name, LayoutOf(c));
  all.emplace_back("every family over a 214-colour gradient", testing::EveryFamilyLayout());
  return all;
}

TEST(CheckSkin, SmallLayoutsGiveTheirFindings) {
  std::string text;
  for (const auto& [name, layout] : Layouts()) {
    text += "== " + name + "\n";
    const std::vector<Finding> findings = CheckSkin(layout);
    if (findings.empty()) text += "(no findings)\n";
    for (const Finding& f : findings) {
      const SkinArea& a = f.area;
      text += std::string(SeverityName(f.severity)) + " " + std::string(f.code) + ": " +
              std::string(FindingSubject(f).empty() ? "-" : FindingSubject(f)) + ": " + FindingMessage(f) +
              " @ " +
              (a.empty() ? "-"
                         : "(" + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                               std::to_string(a.width) + "x" + std::to_string(a.height) + ")") +
              "\n";
    }
    // The picker colours a display's colour dialog marks as passing.
    for (PartKind k = 21; k <= 29; ++k) {
      if (!layout.placed(k)) continue;
      text += "marks " + std::string(KindInfo(k).name) + ":";
      const auto marks = PickerContrast(layout, k);
      for (std::size_t c = 0; marks && c < marks->size(); ++c)
        text += (*marks)[c].passes ? " " + std::to_string(c) : "";
      text += marks ? " pass\n" : " none\n";
    }
  }
  EXPECT_TEXT_GOLDEN("check_findings", text);
}

// What the colour dialogs mark agrees with what CheckSkin warns of: a part
// given picker colour c alone is warned of exactly when c's mark fails.
TEST(CheckSkin, PickerMarksAgreeWithTheWarnings) {
  for (auto& [name, layout] : Layouts()) {
    for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
      if (!layout.placed(k)) continue;
      const auto marks = PickerContrast(layout, k);
      for (PickerIndex c = 0; c < 16; ++c) {
        layout.part(k).colors = {c, kNo, kNo};
        std::vector<double> ratios;
        for (const Finding& f : CheckSkin(layout)) {
          if (f.code == finding_code::kLowContrast && f.kinds.front() == k)
            ratios.push_back(f.parameters.ratio);
        }
        const auto mark = marks ? std::optional((*marks)[static_cast<std::size_t>(c)]) : std::nullopt;
        const std::vector<double> expected =
            mark && !mark->passes ? std::vector{mark->ratio} : std::vector<double>{};
        EXPECT_EQ(ratios, expected) << name << ", " << KindInfo(k).name << " in colour " << int(c);
      }
    }
  }
}

}  // namespace
}  // namespace vorlune
