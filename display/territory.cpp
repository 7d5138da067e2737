// Placeholder until the area count lands: counts nothing.
#include "display/territory.h"

bool CountTerritory(Zere19r19&, int32_t) { return true; }
bool FillTerritory(Zere19r19&, int32_t, int32_t, int32_t) { return true; }
void ClearTerritory(Zere19r19&, int32_t, int32_t) {}
