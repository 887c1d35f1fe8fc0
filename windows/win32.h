#pragma once
// <windows.h> for the game's code: without the old segment words `near` and
// `far`, which the board's fields use as names, nor the system's DrawState
// macro, which would rename the kit's class of that name.

#include <windows.h>

#undef near
#undef far
#undef DrawState
