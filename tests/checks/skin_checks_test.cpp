// Small layouts and what CheckSkin finds in them, kept as one readable text:
// tests/data/checks/check_findings.txt.
#include "checks/skin_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "checks/finding_text.h"
#include "checks/picker_contrast.h"
#include "support/synthetic_layout.h"
#include "support/text_golden.h"

namespace vorlune {
namespace {

using testing::Place;
constexpr PickerIndex kNo = kNoColor;
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

// Black, with colour 1.. where `where` says so.
SkinLayout Painted(std::vector<Rgb> colours, const std::function<int(int x, int y)>& where) {
  colours.insert(colours.begin(), kBlack);
  return testing::PaintedLayout(colours, where);
}

SkinLayout Solid(Rgb colour) {
  return testing::PaintedLayout({colour}, [](int, int) { return 0; });
}

// Play and stop in grey and white: they pass on black (5.3:1, 21:1; 3.9:1 apart).
SkinLayout WithButtons(SkinLayout layout, ColorTriple colors = {8, 15, kNo}) {
  Place(layout, 1, 10, 10, colors);
  Place(layout, 2, 60, 10, colors);
  return layout;
}

SkinLayout Plus(SkinLayout layout, PartKind k, int x, int y, ColorTriple colors) {
  Place(layout, k, x, y, colors);
  return layout;
}

// Time1 at (150, 100), white, over black with other colours in columns.
SkinLayout TimeOverColumns(std::vector<Rgb> colours, std::vector<int> columnEnds) {
  SkinLayout layout = Painted(colours, [=](int x, int) {
    for (std::size_t i = 0; i < columnEnds.size(); ++i) {
      if (x >= (i == 0 ? 150 : columnEnds[i - 1]) && x < columnEnds[i]) return static_cast<int>(i) + 1;
    }
    return 0;
  });
  return Plus(WithButtons(layout), 21, 150, 100, {15, kNo, kNo});
}

SkinLayout EveryFamilyPassing() {
  SkinLayout layout = WithButtons(Solid(kBlack));
  Place(layout, 9, 110, 10, {8, 15, kNo});
  Place(layout, 13, 10, 50, {8, 15, kNo});
  Place(layout, 17, 150, 50, {8, 15, 7});
  Place(layout, 21, 150, 100, {15, kNo, kNo});
  Place(layout, 24, 150, 150, {15, kNo, kNo});
  Place(layout, 29, 10, 220, {15, kNo, kNo});
  Place(layout, 30, 10, 250, {kNo, kNo, kNo});
  return layout;
}

struct Case {
  const char* name;
  std::function<SkinLayout()> layout;
};

const Case kCases[] = {
    {"a new layout", [] { return NewSkinLayout(); }},
    {"play and stop without a background", [] { return WithButtons(NewSkinLayout()); }},
    {"only stop placed",
     [] {
       return Plus(Solid(kBlack), 2, 60, 10, {8, 15, kNo});
     }},
    {"play and stop on black", [] { return WithButtons(Solid(kBlack)); }},
    {"every family passing on black", EveryFamilyPassing},
    {"grey and black buttons and a bare replay on white",
     [] {
       return Plus(WithButtons(Solid(kWhite), {8, 0, kNo}), 30, 120, 10, {kNo, kNo, kNo});
     }},
    {"white time display on white",
     [] {
       return Plus(WithButtons(Solid(kWhite), {8, 0, kNo}), 21, 150, 100, {15, kNo, kNo});
     }},
    {"grey title on white: 3.95 passes a button, not text",
     [] {
       return Plus(WithButtons(Solid(kWhite), {8, 0, kNo}), 27, 10, 200, {8, kNo, kNo});
     }},
    {"volume on like off",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 9, 110, 10, {14, 15, kNo});
     }},
    {"level maximum like on",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 17, 150, 50, {8, 15, 11});
     }},
    {"level meter all black on black",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 20, 150, 50, {0, 0, 0});
     }},
    {"white under half the time display", [] { return TimeOverColumns({kWhite}, {225}); }},
    {"white under 20 % of the time display", [] { return TimeOverColumns({kWhite}, {180}); }},
    {"white under 19 % of the time display", [] { return TimeOverColumns({kWhite}, {179}); }},
    {"two whites 1 apart count as one",
     [] {
       return TimeOverColumns({kWhite, {253, 253, 253}}, {169, 186});
     }},
    {"white and light grey count apart",
     [] {
       return TimeOverColumns({kWhite, {240, 240, 240}}, {169, 186});
     }},
    {"a white frame around the play symbol is not under it",
     [] {
       // The symbol's ink lies within (15, 14) .. (41, 35) of the skin.
       const auto frame = [](int x, int y) {
         return x >= 10 && x < 46 && y >= 10 && y < 40 && !(x >= 15 && x < 42 && y >= 14 && y < 36);
       };
       return WithButtons(Painted({kWhite}, frame), {15, 8, kNo});
     }},
    {"white under the play symbol",
     [] {
       return WithButtons(
           Painted({kWhite}, [](int x, int y) { return x >= 10 && x < 46 && y >= 10 && y < 40; }),
           {15, 8, kNo});
     }},
    {"the title's whole box counts, beyond its sample text",
     [] {
       SkinLayout layout = Painted({kWhite}, [](int x, int y) { return x >= 190 && y >= 220 ? 1 : 0; });
       return Plus(WithButtons(layout), 29, 10, 220, {15, kNo, kNo});
     }},
    {"play and stop touch",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 2, 46, 10, {8, 15, kNo});
     }},
    {"play and stop overlap",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 2, 40, 20, {8, 15, kNo});
     }},
    {"a time display outside the skin",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 21, 200, 100, {15, kNo, kNo});
     }},
    {"two forms of the time display",
     [] {
       return Plus(Plus(WithButtons(Solid(kBlack)), 21, 150, 100, {15, kNo, kNo}), 22, 150, 150,
                   {15, kNo, kNo});
     }},
    {"a stale placed count",
     [] {
       SkinLayout layout = WithButtons(Solid(kBlack));
       layout.placedCount = 5;
       return layout;
     }},
    {"a replay far off the skin",
     [] {
       return Plus(WithButtons(Solid(kBlack)), 30, 2000000000, 5, {15, 8, kNo});
     }},
    {"every family over a 214-colour gradient", testing::EveryFamilyLayout},
};

std::string AreaText(const SkinArea& a) {
  if (a.empty()) return "-";
  return "(" + std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(a.width) + "x" +
         std::to_string(a.height) + ")";
}

// The picker colours a display's colour dialog would mark as passing.
std::string MarksText(const SkinLayout& layout, PartKind k) {
  std::string text = "marks " + std::string(KindInfo(k).name) + ":";
  const auto marks = PickerContrast(layout, k);
  if (!marks) return text + " none\n";
  for (std::size_t c = 0; c < marks->size(); ++c) {
    if ((*marks)[c].passes) text += " " + std::to_string(c);
  }
  return text + " pass\n";
}

TEST(CheckSkin, SmallLayoutsGiveTheirFindings) {
  std::string text;
  for (const Case& c : kCases) {
    const SkinLayout layout = c.layout();
    text += std::string("== ") + c.name + "\n";
    const std::vector<Finding> findings = CheckSkin(layout);
    if (findings.empty()) text += "(no findings)\n";
    for (const Finding& f : findings) {
      text += std::string(SeverityName(f.severity)) + " " + std::string(f.code) + ": " +
              (FindingSubject(f).empty() ? "-" : std::string(FindingSubject(f))) + ": " + FindingMessage(f) +
              " @ " + AreaText(f.area) + "\n";
    }
    for (PartKind k = 21; k <= 29; ++k) {
      if (layout.placed(k)) text += MarksText(layout, k);
    }
  }
  testing::CheckTextGolden(VORLUNE_TEST_DATA "/tests/data/checks/check_findings.txt", text);
}

// What the colour dialogs mark agrees with what CheckSkin warns of: a part
// given picker colour c alone is warned of exactly when c's mark fails.
TEST(CheckSkin, PickerMarksAgreeWithTheWarnings) {
  for (const Case& c : kCases) {
    SkinLayout layout = c.layout();
    for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
      if (!layout.placed(k)) continue;
      const auto marks = PickerContrast(layout, k);
      for (PickerIndex color = 0; color < 16; ++color) {
        layout.part(k).colors = {color, kNo, kNo};
        int warned = 0;
        for (const Finding& f : CheckSkin(layout)) {
          if (f.code != finding_code::kLowContrast || f.kinds.front() != k) continue;
          ++warned;
          ASSERT_TRUE(marks) << c.name;
          EXPECT_DOUBLE_EQ(f.parameters.ratio, (*marks)[static_cast<std::size_t>(color)].ratio) << c.name;
        }
        const bool fails = marks && !(*marks)[static_cast<std::size_t>(color)].passes;
        EXPECT_EQ(warned, fails ? 1 : 0) << c.name << ", " << KindInfo(k).name << " in colour " << int(color);
      }
    }
  }
}

}  // namespace
}  // namespace vorlune
