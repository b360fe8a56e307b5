#pragma once

// The single control of the internal data window "Console".
enum ConsoleControl : int { InternalDataLabel = 430 };
