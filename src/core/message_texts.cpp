#include "core/message_texts.h"

#include <array>
#include <charconv>

namespace vorlune {

namespace {

// The placement text of each kind 1..30 in English.
constexpr std::array<const char*, 30> kPlacePartTexts{
    "Place the Play button",           "Place the Stop button",          "Place the Track Start button",
    "Place the Next Track button",     "Place the Rewind button",        "Place the Fast Forward button",
    "Place the Volume Up button",      "Place the Volume Down button",   "Place volume (horiz. bar)",
    "Place volume (vert. bar)",        "Place volume (horiz. dots)",     "Place volume (vert. dots)",
    "Place equaliser (horiz. bars)",   "Place equaliser (vert. bars)",   "Place equaliser (horiz. dots)",
    "Place equaliser (vert. dots)",    "Place level meter (horiz. bar)", "Place level meter (vert. bar)",
    "Place level meter (horiz. dots)", "Place level meter (vert. dots)", "Place time display (1)",
    "Place time display (2)",          "Place time display (3)",         "Place track display (1)",
    "Place track display (2)",         "Place track display (3)",        "Place title display (large)",
    "Place title display (medium)",    "Place title display (small)",    "Place the Replay button",
};

std::string PlacePartText(const UserMessage& message) {
  int kind = 0;
  if (!message.args.empty()) {
    const std::string& arg = message.args.front();
    std::from_chars(arg.data(), arg.data() + arg.size(), kind);
  }
  if (kind < 1 || kind > static_cast<int>(kPlacePartTexts.size())) return message.text;
  return kPlacePartTexts[static_cast<std::size_t>(kind - 1)];
}

}  // namespace

std::string EnglishText(const UserMessage& message) {
  switch (message.code) {
    case MessageCode::PlacePart:
      return PlacePartText(message);
    case MessageCode::PartsTouch:
      return "Cannot place: touches another part";
    case MessageCode::ImportBackgroundFirst:
      return "Import a background picture first";
    case MessageCode::SaveNeedsBackground:
      return "Please import a background picture before saving.\nNothing was saved.";
    case MessageCode::PlayAndStopMissing:
      return "Please place both the Play and the Stop button.\nThe skin was not created.";
    case MessageCode::FileNameEmpty:
      return "Please enter a file name.\nIt may be at most 30 single-byte characters long, extension "
             "included.";
    case MessageCode::FileNameNotShiftJis:
      return "The file name has characters that Shift_JIS cannot hold.\nPlease choose another name.";
    case MessageCode::FileNameTooLong:
      return "The file name is also the Harmoniquest database name.\nIt may be at most 30 single-byte "
             "characters long, extension included.";
    case MessageCode::TitleMissing:
      return "Please enter the database title.";
    case MessageCode::AuthorMissing:
      return "Please enter the database author.";
    case MessageCode::VersionMissing:
      return "Please enter the database version.";
    default:
      // The editor has always said these in English.
      return message.text;
  }
}

}  // namespace vorlune
