#pragma once
// The three documents the pipeline benchmark opens, made with the program's own New and Save
// and its sheet writers, each holding the largest tables its drawings accept. Every one has
// 49 IPs (the most the IP sheet holds), each with an 80 m curve, over about 2020 m of road.
// - the profile: 100 stations 20 m apart (the most the profile sheet takes) with 50 vertical
//   curves (the most it takes) and about 2000 points of planned line;
// - the road: 51 surveyed stations 40 m apart, to 2000 m (2001 points of planned line, the
//   most the table holds); the plan command adds a BC, middle and EC station per curve, the
//   start and the end, the 200 it allows (198 once coinciding stations merge; 200 is also the
//   most the cross slopes take), which the plan, the 3D model and the shoulder lines are then
//   drawn with; offsets L1..L4 on both sides;
// - the sections: 50 stations (the most the section tables hold) with 20 existing-ground and
//   10 cut/fill points per side and the planned and existing-ground blocks named.
#include <string>

namespace pipeline_bench {

inline constexpr int kIps = 49;
inline constexpr int kProfileStations = 100;
inline constexpr int kRoadStations = 51;
inline constexpr int kSectionStations = 50;

// Block names the sections document gives every station; the benchmark's CAD defines them.
inline constexpr const char* kPlannedBlock = "KEI1";
inline constexpr const char* kGroundBlock = "GEN1";

struct Documents {
    std::string profile, road, sections;
};
// Writes the documents into `folder` and returns their paths. Leaves the program as started.
Documents WriteDocuments(const std::string& folder);
// The paths WriteDocuments gives the documents in `folder`.
Documents DocumentPaths(const std::string& folder);

// The shoulder offsets of every station: L1..L4 0.5 m apart outside the edges, from 3.5 m on
// the left and from 4 m on the right.
void FillShoulderOffsets();

// A program just started: every screen gone, the spreadsheet not running, Main run again.
void RestartProgram();
// The program's start in a process that has not run it yet: its state is still as it starts.
void StartProgram();

} // namespace pipeline_bench
