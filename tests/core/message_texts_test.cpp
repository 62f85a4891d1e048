// The English of the core's Japanese messages is the editor's English
// translation of the same texts, so that the editor and the command-line tool
// speak alike; every code gives English.
#include "core/message_texts.h"

#include <gtest/gtest.h>

#include <map>

#include "document/skin_document.h"
#include "layout/part_kind.h"
#include "project/project_messages.h"
#include "skin/create_checks.h"
#include "support/synthetic_layout.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

std::string Unescaped(std::string text) {
  const std::pair<std::string, std::string> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, entity.size(), character);
  }
  return text;
}

// The "Core" texts of the editor's English translation, source to translation.
std::map<std::string, std::string> CoreTranslations() {
  const std::string ts = testing::ReadText(VORLUNE_TEST_DATA "/translations/vorlune_en.ts");
  const std::size_t begin = ts.find("<name>Core</name>");
  const std::size_t end = ts.find("</context>", begin);
  const auto between = [&](std::size_t& at, const std::string& open, const std::string& close) {
    const std::size_t start = ts.find('>', ts.find(open, at)) + 1;
    at = ts.find(close, start);
    return Unescaped(ts.substr(start, at - start));
  };
  std::map<std::string, std::string> texts;
  for (std::size_t at = ts.find("<source>", begin); at < end; at = ts.find("<source>", at)) {
    std::string source = between(at, "<source", "</source>");
    texts[source] = between(at, "<translation", "</translation>");
  }
  return texts;
}

TEST(MessageTexts, EnglishOfJapaneseMessagesIsTheEditorsTranslation) {
  SkinLayout layout = NewSkinLayout();
  std::vector<UserMessage> japanese{SaveNeedsBackgroundMessage(),
                                    *CheckPlayAndStopPlaced(layout),
                                    DatabaseNameFromFileName("").error(),
                                    DatabaseNameFromFileName("\xF0\x9F\x98\x80.pdb").error(),
                                    DatabaseNameFromFileName(std::string(31, 'a')).error(),
                                    *CheckInfoTexts(layout)};
  layout.databaseName[0] = 'T';
  japanese.push_back(*CheckInfoTexts(layout));
  layout.databaseAuthor[0] = 'A';
  japanese.push_back(*CheckInfoTexts(layout));
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) japanese.push_back(PlacementMessage(k));
  SkinDocument document;
  document.LoadLayout(testing::SyntheticLayout(), "p.hqd");
  ASSERT_TRUE(document.PlacePart(1, 0, 0).ok());
  japanese.push_back(document.PlacePart(2, 10, 10).error());
  japanese.push_back({std::string(kImportBackgroundFirstText), MessageIcon::Information,
                      MessageCode::ImportBackgroundFirst});

  const std::map<std::string, std::string> translations = CoreTranslations();
  for (const UserMessage& message : japanese) {
    SCOPED_TRACE(message.text);
    EXPECT_NE(message.code, MessageCode::Text);
    ASSERT_TRUE(translations.contains(message.text));
    EXPECT_EQ(EnglishText(message), translations.at(message.text));
  }
}

TEST(MessageTexts, MessagesAlwaysEnglishKeepTheirText) {
  const UserMessage damaged = DamagedProjectMessage(ProjectDamage::PartsTouch);
  EXPECT_EQ(damaged.code, MessageCode::DamagedProject);
  EXPECT_EQ(damaged.args, std::vector<std::string>{"two parts touch each other"});
  EXPECT_EQ(EnglishText(damaged), damaged.text);
}

}  // namespace
}  // namespace vorlune
