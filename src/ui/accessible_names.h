#pragma once

// Names that screen readers and other accessibility tools read for the fields
// of the main window, each made from the field's label and unit. Applied once
// the window is built; the names do not depend on the layout.
void ApplyAccessibleNames();
