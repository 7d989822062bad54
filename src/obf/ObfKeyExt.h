#pragma once

#include "KeyDescription.h"

#include <QJsonObject>

// The properties of a key that a board has no attribute for, as the button's "ext_orvanta_key"
// object: only those that differ from a new key's, by their record names ("TextSh", "Font":
// {"Height": -20}, "Status": [...], "Aspect": 1.0, ...). Picture, text, kind, sound and link are
// left out: the board's own attributes carry them.
QJsonObject KeyExtJson(const TKeyDescription &key);
// Applies such an object; values of the wrong type are ignored.
void ApplyKeyExt(TKeyDescription &key, const QJsonObject &ext);
