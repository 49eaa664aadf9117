#pragma once
// The frame of the current variant's sheet in the DXF export, with the
// export stamp on the first variant.

void RysujArkuszDxf();
