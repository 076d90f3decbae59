#pragma once
#include "data/CAppContext.h"

// The options the context keeps, each key read from the profile with its default.
GeneralOptions loadGeneralOptions();
TableFormOptions loadTableFormOptions();

// Reads every profile key the context keeps (general and table/form options).
void LoadSettings(CAppContext& context);
