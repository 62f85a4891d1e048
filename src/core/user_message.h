#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlune {

// The icon of a message box: information for wrong or missing input and most
// file errors, exclamation for a file that cannot be found or created.
enum class MessageIcon { Information, Exclamation };

// What a message says, as data: the editor and the command-line tool turn it
// into the text of their language (EnglishText in core/message_texts.h). The
// parameters a code takes are named beside it, in the order of `args`.
enum class MessageCode : std::uint8_t {
  Text,  // a text of its own, without a code

  // Placing parts
  PlacePart,              // {kind number}: the placement text of a kind
  PartsTouch,             // a part put down on another
  ImportBackgroundFirst,  // a click on the canvas before any picture

  // Files that cannot be read or written; {file kind: bmp, hqd, pdb, picture}
  FileNotFound,
  FileCannotOpen,
  FileCannotMake,

  // Background pictures
  NotBmp,
  BmpHeaderIncomplete,
  BmpCompressed,
  BmpSizeNot320,
  BmpDepthUnsupported,
  BmpPixelOffsetTooLarge,
  BmpShorterThanPixels,
  BmpColorsUsedTooLarge,
  BmpColorTableBroken,
  BmpColorBeyond214,
  ReductionNotice,    // a picture of more than 214 colours is reduced
  ConversionWarning,  // {what}: a complaint of the colour conversion
  NotAPicture,
  DamagedPicture,  // {format}
  PictureTooLarge,

  // Projects
  SaveNeedsBackground,
  DamagedProject,  // {why}

  // Create
  PlayAndStopMissing,
  FileNameEmpty,
  FileNameNotShiftJis,
  FileNameTooLong,
  TitleMissing,
  AuthorMissing,
  VersionMissing,
  TextNotShiftJis,  // {field: title, author}
  TextTooLong,      // {field: title, author}
  VersionNotDigits,
  PartCountWrong,
  ClockAbnormal,

  // Skin databases
  NotASkinDatabase,  // {why}
  NotUnpackable,     // {why}
  NotMadeByThisEditor,
};

// A message for the user, shown by the editor in a "Warning" box and by the
// command-line tool on standard error.
struct UserMessage {
  // The editor's own text, UTF-8, exactly as it has always been shown: in
  // Japanese where the editor spoke Japanese, else in English.
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  MessageCode code = MessageCode::Text;
  std::vector<std::string> args = {};

  // Equal when they show the same: the code and arguments come with the text.
  friend bool operator==(const UserMessage& a, const UserMessage& b) {
    return a.text == b.text && a.icon == b.icon;
  }
};

}  // namespace vorlune
