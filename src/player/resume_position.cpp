#include "player/resume_position.h"

namespace cuefold {

double ResumePosition(double position, double fps, double rewindSeconds, bool girderSave, double currentFrom)
{
    double resume = position;
    if (!girderSave)
        resume -= rewindSeconds * fps;
    else if (currentFrom <= resume)
        resume = currentFrom - 1;
    return resume < 1 ? 1 : resume;
}

double StepPosition(double position, double delta, double duration)
{
    const double target = position + delta;
    if (target <= 0)
        return 0;
    if (target >= duration)
        return duration;
    return target;
}

TransportLook TransportLookFor(int playState)
{
    TransportLook look;
    switch (playState) {
    case 0:
        look.stopDown = true;
        look.buttonsEnabled = look.step1ButtonsEnabled = look.itemsEnabled = look.step1ItemsEnabled = true;
        break;
    case 1:
        look.pauseDown = true;
        look.pauseButtonEnabled = look.buttonsEnabled = look.step1ButtonsEnabled = true;
        look.itemsEnabled = look.stopItemEnabled = look.step1ItemsEnabled = true;
        break;
    case 2:
        look.playDown = true;
        look.pauseButtonEnabled = look.buttonsEnabled = true;
        look.itemsEnabled = look.stopItemEnabled = true;
        break;
    default:
        break;
    }
    return look;
}

} // namespace cuefold
