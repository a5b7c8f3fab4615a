#pragma once
// What the coordinate conversion writes to 座標値ｼｰﾄ: the reference points in G-J from row 5
// (read back when a document is opened), and under the name in B53 either the converted point
// list or the road-edge table of the 3D road model in site coordinates, from row 55. In both
// the column headed "Ｘ座標" gets the site y and "Ｙ座標" the site x (the survey convention).
#include "platform/workbook/workbook.h"
#include "vantor/geometry/coordinates/reference_fit.h"
#include "vantor/geometry/coordinates/site_transform.h"

#include <string>
#include <vector>

namespace 縦断bus::coordinates {

// The reference points from row 5 on, as numbers; the rest of the 20 rows the document holds
// is cleared so that no earlier point comes back at the next Open.
void WriteReferencePoints(const xl::Worksheet& sheet, const std::vector<ReferencePoint>& points);

struct ConvertedRow {
    std::string siteX, siteY;   // the texts shown in the point grid
};

// The output area from row 54 down to the last used row is cleared first, so a shorter list
// leaves nothing of a longer earlier one.
void WritePointList(const xl::Worksheet& sheet, const std::string& name, const std::vector<ConvertedRow>& rows);
// Every station's centre point and both road edges (sub-point 0 of the 3D road model) in site
// coordinates with the same shift and angle as every other conversion.
void WriteRoadEdgeTable(const xl::Worksheet& sheet, const std::string& name, const SiteTransform& transform);

} // namespace 縦断bus::coordinates
