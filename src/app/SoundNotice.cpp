#include "SoundNotice.h"

#include "AppStrings.h"

bool TSoundNotice::Set(TOutput output, const QString &error) {
    if (output < 0 || output >= OutputCount || FErrors[size_t(output)] == error)
        return false;
    FErrors[size_t(output)] = error;
    return true;
}

QString TSoundNotice::Text() const {
    for (const QString &error : FErrors)
        if (!error.isEmpty())
            return AppStrings::NoSound.arg(error);
    return {};
}
