#pragma once
// A command that cannot go on throws one of these; the caller shows the text
// (a message box in the window, an error line in the batch runner).
#include <stdexcept>
#include <string>

namespace zyt {

class IoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zyt
