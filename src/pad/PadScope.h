#pragma once

#include "sdk/ZoScope.h"

// The SDK root object as every part of the pad reaches it. Without a
// connection it throws SdkError (NotConnected), which the pad's handlers
// trap, so a pad without a microscope fails every call quietly.
ZOSCOPELib::Scope& func_PadScope();

// Whether clsZo reports the device of that presence index as mounted (1).
bool func_PadMounted(int index);
