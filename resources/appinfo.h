// Resource identifiers of the program's identity: its name in the display
// settings' list of screen savers, its version and its manifest.
#pragma once
#define IDS_DESCRIPTION 1   // screen savers are listed by string 1
#define ID_MANIFEST 1       // the process's application manifest
