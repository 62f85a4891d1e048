#pragma once

#include <QString>
#include <string_view>

namespace vorlune {

// A text of the core (a placement text or a message, UTF-8) as the editor
// shows it: its translation when the core's texts have one, else itself.
QString CoreText(std::string_view text);

}  // namespace vorlune
