#pragma once

#include "Error.h"

// A damaged, truncated or unexpected record, or a device that failed.
class TStreamError : public TError {
public:
    using TError::TError;
};
