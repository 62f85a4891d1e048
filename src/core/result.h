#pragma once

#include <cassert>
#include <utility>
#include <variant>

#include "core/user_message.h"

namespace vorlune {

// Either a value or the reason, as the user will read it, why there is none.
// Readers return this instead of a half-filled object.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}            // NOLINT(google-explicit-constructor)
  Result(UserMessage error) : state_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  T& value() {
    assert(ok());
    return std::get<T>(state_);
  }
  const T& value() const {
    assert(ok());
    return std::get<T>(state_);
  }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  const UserMessage& error() const {
    assert(!ok());
    return std::get<UserMessage>(state_);
  }

 private:
  std::variant<T, UserMessage> state_;
};

// For operations that produce nothing but may fail.
struct Done {};
using Status = Result<Done>;

}  // namespace vorlune
