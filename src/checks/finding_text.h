#pragma once

#include <string>
#include <string_view>

#include "checks/skin_finding.h"

namespace vorlune {

// The English texts of findings, as vorlune-cli prints them. The editor makes
// its own, translated texts from the code and parameters.

std::string_view SeverityName(Severity severity);  // "error", "warning"

// The part the message is about, "Stop"; empty for a finding about no part.
std::string_view FindingSubject(const Finding& finding);

// The message after the subject: "touches Play; parts need a free pixel between them".
std::string FindingMessage(const Finding& finding);

// "4.48:1", two decimals.
std::string RatioText(double ratio);

// A picker colour by name and value: "white #FFFFFF".
std::string PickerColorText(PickerIndex c);

}  // namespace vorlune
