#pragma once

#include <string>

#include "core/user_message.h"

namespace vorlune {

// The English text of a message, from its code and arguments: the translation
// of a Japanese text (as the editor's English mode shows it), the message's
// own text where it has always been English.
std::string EnglishText(const UserMessage& message);

}  // namespace vorlune
