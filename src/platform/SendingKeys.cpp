#include "SendingKeys.h"

bool SendingKeys = false;
