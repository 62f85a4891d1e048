#include "dialogs/cp932_text_validator.h"

#include "core/cp932.h"

namespace vorlune {

namespace {

std::optional<std::string> CharacterInCp932(char32_t codePoint) {
  return Utf8ToCp932(QString::fromUcs4(&codePoint, 1).toStdString());
}

}  // namespace

std::size_t Cp932ByteLength(const QString& text) {
  std::size_t bytes = 0;
  for (char32_t codePoint : text.toUcs4()) {
    const std::optional<std::string> encoded = CharacterInCp932(codePoint);
    bytes += encoded ? encoded->size() : 2;
  }
  return bytes;
}

std::optional<QString> FirstNonCp932Character(const QString& text) {
  for (char32_t codePoint : text.toUcs4()) {
    if (!CharacterInCp932(codePoint)) return QString::fromUcs4(&codePoint, 1);
  }
  return std::nullopt;
}

Cp932TextValidator::Cp932TextValidator(std::size_t maxBytes, bool digitsOnly, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), digitsOnly_(digitsOnly) {}

QValidator::State Cp932TextValidator::validate(QString& input, int& pos) const {
  (void)pos;
  if (digitsOnly_) {
    for (QChar c : input) {
      if (c < u'0' || c > u'9') return Invalid;
    }
  }
  return Cp932ByteLength(input) <= maxBytes_ ? Acceptable : Invalid;
}

}  // namespace vorlune
