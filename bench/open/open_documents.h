#pragma once
// The documents the Open benchmark opens: the sections document of the pipeline benchmark
// (all seven sheets filled as the program writes them) as it is, and with cells far out that
// the program never reads: one value in the last row (65,536) of every sheet, or a value in the
// last column (IV) of every row of the profile sheet or of every sheet.
#include <string>
#include <vector>

namespace open_bench {

struct Document {
    std::string name; // names the benchmark
    std::string path;
};

// Writes the documents into `folder` (when `write`) and returns them, the plain one first.
std::vector<Document> Documents(const std::string& folder, bool write);

// Open as the user does it, the held document's unsaved changes dropped; true when the
// document is held afterwards.
bool Open(const std::string& path);

} // namespace open_bench
