#pragma once

// Asks the window system to report a held key as repeated presses without the releases in
// between. On X11 the toolkit guesses which release belongs to a repeat by looking for the
// press that follows it; when that press has not arrived yet the guess fails, and a switch held
// for a long press falls apart into several short ones. Elsewhere there is nothing to ask.
void UseDetectableKeyRepeat();
