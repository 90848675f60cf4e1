#pragma once
// Dialog texts of the data transforms that last for the run.
#include <string>

namespace zyt {

struct EditDialogs {
    std::string form35Edit1 = "0";  // boundary of signal
    std::string form37Edit1 = "1";  // limiting value of sigma
};

}  // namespace zyt
