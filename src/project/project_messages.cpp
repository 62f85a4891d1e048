#include "project/project_messages.h"

namespace vorlune {

UserMessage SaveNeedsBackgroundMessage() {
  return {"背景画像を読み込んでから保存して下さい\n保存できませんでした", MessageIcon::Information,
          MessageCode::SaveNeedsBackground};
}

UserMessage CannotMakeProjectFileMessage() {
  return {"Error : Cannot make hqd-file.", MessageIcon::Exclamation, MessageCode::FileCannotMake, {"hqd"}};
}

UserMessage ProjectReadFailureMessage(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::NotFound:
      return {"Error : Cannot find hqd-file", MessageIcon::Exclamation, MessageCode::FileNotFound, {"hqd"}};
    case ReadFailure::CannotOpen:
      break;
  }
  // The editor has always said "bmp-file" here, for a project as for a picture.
  return {"Error : Cannot open bmp-file", MessageIcon::Information, MessageCode::FileCannotOpen, {"hqd"}};
}

UserMessage DamagedProjectMessage(ProjectDamage damage) {
  const char* why = "";
  switch (damage) {
    case ProjectDamage::Length:
      why = "its length does not match its header";
      break;
    case ProjectDamage::HeaderLength:
      why = "its picture header length is out of range";
      break;
    case ProjectDamage::ColorTable:
      why = "its colour table is out of range";
      break;
    case ProjectDamage::PixelValue:
      why = "a pixel uses a colour beyond the 214 colours";
      break;
    case ProjectDamage::HalfPlaced:
      why = "a part has a wrong position";
      break;
    case ProjectDamage::OffCanvas:
      why = "a part lies outside the picture";
      break;
    case ProjectDamage::PartsTouch:
      why = "two parts touch each other";
      break;
    case ProjectDamage::GroupPlacedTwice:
      why = "two parts of one group are placed";
      break;
  }
  return {std::string("Error : this hqd-file is damaged (") + why + ").",
          MessageIcon::Information,
          MessageCode::DamagedProject,
          {why}};
}

}  // namespace vorlune
