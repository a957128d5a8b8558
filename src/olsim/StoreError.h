// A failure of the profile database, with a message fit for the user or the log.
#pragma once

#include <stdexcept>

namespace olsim {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace olsim
