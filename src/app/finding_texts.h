#pragma once

#include <QString>

#include "checks/skin_finding.h"

namespace vorlune {

// The editor's texts of a finding, in its language, made from the finding's
// code and parameters (the English ones follow vorlune-cli's wording).

// "エラー" / "警告".
QString SeverityText(Severity severity);
// The part the finding is about, as the palette names it; empty for none.
QString FindingPartText(const Finding& finding);
// The message: "背景とのコントラストが低い: 白 #FFFFFF 1.00:1 (必要 4.5:1, 背景色 #FFFFFF が面積の 63 %)".
QString FindingText(const Finding& finding);

}  // namespace vorlune
