#pragma once
// What the coordinate conversion writes to 座標値ｼｰﾄ: the reference points in G-J from row 5
// (read back when a document is opened), and under the name in B53 either the converted point
// list or the road-edge table of the 3D road model in site coordinates, from row 55. In both
// the column headed "Ｘ座標" gets the site y and "Ｙ座標" the site x (the survey convention).
// Nothing else of the sheet is touched: further reference points that a document holds in G-J
// beside a point list stay where they are.
#include "platform/workbook/workbook.h"
#include "vantor/geometry/coordinates/site_transform.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace 縦断bus::coordinates {

// One reference row as the grid holds it: site x, y, drawing X, Y [m]; a cell not yet filled
// (the drawing point of a row still to be picked) stays an empty cell.
using ReferenceRow = std::array<std::optional<double>, 4>;

// The rows from row 5 on; the rest of the 20 rows that Open reads is cleared so that no
// earlier point comes back at the next Open.
void WriteReferencePoints(const xl::Worksheet& sheet, const std::vector<ReferenceRow>& rows);

struct ConvertedRow {
    std::string siteX, siteY; // the texts shown in the point grid
};

// The earlier list under the name (either layout, down to its last row) is cleared first, so
// a shorter list leaves nothing of a longer one. A site text that is a number is written as
// that number.
void WritePointList(const xl::Worksheet& sheet, const std::string& name, const std::vector<ConvertedRow>& rows);
// The centre point and both road edges of every station of the 3D road model (sub-point 0) in
// site coordinates with the same shift and angle as every other conversion. An edge the model
// left out (no width there) leaves its three cells empty.
void WriteRoadEdgeTable(const xl::Worksheet& sheet, const std::string& name, const SiteTransform& transform);

} // namespace 縦断bus::coordinates
