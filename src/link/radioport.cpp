#include "link/radioport.h"

PortTimeouts TimeoutsFor(PortProfile profile)
{
    if (profile == PortProfile::Squelch)
        return {100, 50, 100, 50, 50};
    return {50, 100, 90, 50, 50};
}
