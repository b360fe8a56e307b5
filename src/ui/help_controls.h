#pragma once

// The single control of the template help window "Aide".
enum HelpControl : int { HelpTextLabel = 421 };
