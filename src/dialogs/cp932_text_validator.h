#pragma once

#include <QString>
#include <QValidator>
#include <cstddef>
#include <optional>

namespace vorlune {

// The length of a text in CP932 bytes. A character CP932 cannot hold counts
// two bytes here; it is refused when the text is taken.
std::size_t Cp932ByteLength(const QString& text);

// The first character of a text that CP932 cannot hold, if any.
std::optional<QString> FirstNonCp932Character(const QString& text);

// Keeps an edit within a number of CP932 bytes (the stored texts are bytes in
// the Japanese code page), and to ASCII digits if asked.
class Cp932TextValidator : public QValidator {
 public:
  Cp932TextValidator(std::size_t maxBytes, bool digitsOnly, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  std::size_t maxBytes_;
  bool digitsOnly_;
};

}  // namespace vorlune
