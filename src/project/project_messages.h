#pragma once

#include "core/file_io.h"
#include "core/user_message.h"

namespace vorlune {

// Messages of the Save and Load commands. The editor shows them in its
// "Warning" boxes, the command-line tool on standard error.

// Save without a background picture.
UserMessage SaveNeedsBackgroundMessage();

// The project file (on save) or the temporary picture file (on load) cannot
// be made: "Error : Cannot make hqd-file."
UserMessage CannotMakeProjectFileMessage();

// A project file that cannot be found or opened for loading.
UserMessage ProjectReadFailureMessage(ReadFailure failure);

// Why a project file is refused as damaged or foreign.
enum class ProjectDamage {
  Length,            // the length does not follow from the header length
  HeaderLength,      // the header length leaves no room for the picture
  ColorTable,        // too many colours, or a colour table outside the header
  PixelValue,        // a pixel outside the picture's 214 colours
  HalfPlaced,        // one coordinate negative and the other not, or row 0 placed
  OffCanvas,         // a placed part not wholly on the canvas
  PartsTouch,        // two placed parts touch or overlap
  GroupPlacedTwice,  // two kinds of one exclusive group placed
};

UserMessage DamagedProjectMessage(ProjectDamage damage);

}  // namespace vorlune
