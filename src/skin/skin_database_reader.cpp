#include "skin/skin_database_reader.h"

namespace vorlune {

Result<SkinDatabase> ReadSkinDatabase(std::span<const std::uint8_t> bytes) {
  (void)bytes;
  return UserMessage{"Error : skin databases cannot be read yet."};
}

}  // namespace vorlune
