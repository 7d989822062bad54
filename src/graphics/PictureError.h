#pragma once

#include "Error.h"

// A picture that cannot be read: damaged symbol data or a file that is no picture we know.
class TPictureError : public TError {
public:
    using TError::TError;
};
