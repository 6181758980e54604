// The platform's error classes: every error the add-in can catch and show by its message.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Base of every platform error; what() is the text a message box would show.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  std::string Message() const { return what(); }
};

// A value could not be converted (variant casts, text to number).
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Dataset errors: closed dataset, required field, bad filter, bad data packet.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// Component errors: invalid or duplicate names, unknown properties.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

// An operation not allowed in the current state (a hidden window made modal, ...).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// A file could not be read or written.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// An assertion of the add-in failed ("IOTAServices not available").
class EAssertionFailed : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace platform
