#include "media/media_functions.h"

extern "C" __attribute__((visibility("default"))) const cuefold::MediaFunctions *cuefold_media_functions()
{
    static const cuefold::MediaFunctions functions{
        cuefold::MovieFrameRates,
        cuefold::MovieKeyFrames,
        cuefold::MovieShotChanges,
        cuefold::SoundPeaks,
    };
    return &functions;
}
