#include "KeyRepeat.h"

// Window systems other than X11 report repeats on their own.
void UseDetectableKeyRepeat() {}
