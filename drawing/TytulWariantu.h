#pragma once
// The three title lines of a variant, anchored from the sheet's top edge.

#include <string>

#include "base/Typy.h"

// Draws the title of variant `wariant` in TrueType text; nothing for an
// index that names no variant or an alignment other than "L", "C", "P".
void RysujTytulWariantu(int wariant, TKolor kolor, const std::string& warstwa);
