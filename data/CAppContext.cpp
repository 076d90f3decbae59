#include "data/CAppContext.h"

CAppContext::CAppContext()
{
    for (int i = 0; i < kKeyActionCount; ++i)
        keyActionNames[i] = keyaction::name(i);
}
