#pragma once
// The cross-section sheet in the drawing screen's settings: every station's section in its
// own cell, assembled in the CAD from the station's planned-section and existing-ground
// blocks, with its slope, station, height and area labels.
#include "vantor/model/drawing_settings.h"

namespace 縦断bus {

// Each planned block is inserted at the work origin x = -100000, exploded, its two sides
// stretched from the standard width and slope to the station's, the existing-ground block
// inserted and exploded there too, and both moved to the station's cell; then one text
// command writes the labels. Refused before anything is sent: 段数 that is not a whole number
// from 1, more than 50 stations (the area tables' bound). Stations whose section cannot be
// assembled (see section_checks.h) are told in one message and get only their station label.
// True when the drawing was sent.
bool sakuzuyoko(const SectionSettings& settings);

} // namespace 縦断bus
