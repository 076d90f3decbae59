#include "app/options/ColourOption.h"

#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

unsigned storedColour(const ColourOption& option) { return unsigned(profileInt(option.section, option.key)); }

void writeColour(const ColourOption& option, unsigned colour)
{
    framework::WriteProfileInt(option.section, option.key, int(colour));
}
