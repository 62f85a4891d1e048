#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlune::cli {

// A small streaming JSON writer for `info --json`: the caller opens objects and
// arrays and adds members; commas and string escapes are handled here.
class JsonWriter {
 public:
  void BeginObject(std::string_view key = {});
  void EndObject();
  void BeginArray(std::string_view key = {});
  void EndArray();
  void Add(std::string_view key, std::string_view text);
  void Add(std::string_view key, const char* text) { Add(key, std::string_view(text)); }
  void Add(std::string_view key, std::int64_t number);
  void Add(std::string_view key, int number) { Add(key, static_cast<std::int64_t>(number)); }
  void Add(std::string_view key, std::uint32_t number) { Add(key, static_cast<std::int64_t>(number)); }
  void Add(std::string_view key, bool flag);
  void AddNull(std::string_view key);

  const std::string& text() const { return out_; }

 private:
  void Key(std::string_view key);
  static void Quote(std::string& out, std::string_view text);

  std::string out_;
  bool needComma_ = false;
};

}  // namespace vorlune::cli
