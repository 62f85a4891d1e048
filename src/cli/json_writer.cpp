#include "cli/json_writer.h"

#include <cstdio>

namespace vorlune::cli {

void JsonWriter::Key(std::string_view key) {
  if (needComma_) out_ += ',';
  if (!key.empty()) {
    Quote(out_, key);
    out_ += ':';
  }
}

void JsonWriter::BeginObject(std::string_view key) {
  Key(key);
  out_ += '{';
  needComma_ = false;
}

void JsonWriter::EndObject() {
  out_ += '}';
  needComma_ = true;
}

void JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  out_ += '[';
  needComma_ = false;
}

void JsonWriter::EndArray() {
  out_ += ']';
  needComma_ = true;
}

void JsonWriter::Add(std::string_view key, std::string_view text) {
  Key(key);
  Quote(out_, text);
  needComma_ = true;
}

void JsonWriter::Add(std::string_view key, std::int64_t number) {
  Key(key);
  out_ += std::to_string(number);
  needComma_ = true;
}

void JsonWriter::Add(std::string_view key, bool flag) {
  Key(key);
  out_ += flag ? "true" : "false";
  needComma_ = true;
}

void JsonWriter::AddNull(std::string_view key) {
  Key(key);
  out_ += "null";
  needComma_ = true;
}

void JsonWriter::Quote(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace vorlune::cli
