#include "ScanPresets.h"

#include "DialogStrings.h"

namespace ScanPresets {

const QStringList &Names() {
    static const QStringList names = {
        DialogStrings::PresetSimple, DialogStrings::PresetAdvanced, DialogStrings::PresetXNoStop,
        DialogStrings::PresetXStop,  DialogStrings::PresetCustom,
    };
    return names;
}

TScanModes Modes(int preset) {
    switch (preset) {
    case 1:
        return smStayOnRow;
    case 2:
        return smShowX | smStayOnRow | smStayOnCol;
    case 3:
        return smShowX | smStop;
    default:
        return {};
    }
}

int PresetOf(TScanModes modes) {
    for (int preset = 0; preset < Custom; ++preset) {
        if (Modes(preset) == modes)
            return preset;
    }
    return Custom;
}

} // namespace ScanPresets
