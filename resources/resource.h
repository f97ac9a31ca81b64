// Resource identifiers.
#pragma once
#define ID_APP 100
#define DLG_SCRNSAVECONFIGURE 2003
