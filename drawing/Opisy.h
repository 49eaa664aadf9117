#pragma once
// Descriptions: free texts of the sheet, each on one variant or on all.

// Every description of the current variant and of all variants, in
// collection order, on every enabled output (layer "Rupl_Napisy").
void RysujOpisy();
