#pragma once
// The whole pipeline as an engineer runs it, split into its stages: the profile document
// opened (profile and alignment computed) and its profile sheet drawn; the road document
// opened, the plan command (alignment, station list, plan positions, cross slopes), the plan
// with road edges and labels, the 3D model with its width and height lines, the eight
// shoulder offset lines (the shoulder screen rebuilds the station list, which drops the widths
// typed for the stations the plan command added, so the 3D model goes first); the sections document opened, the earthwork areas of every station
// computed and every cross-section drawn; last the drawing written as DXF. Every drawing goes
// over the DDE channel into one CAD command line.
#include "cad/command/command_line.h"
#include "cad/drawing/drawing.h"
#include "large_document.h"
#include "platform/dde/dde_server.h"

#include <memory>
#include <string>
#include <vector>

namespace pipeline_bench {

// The CAD at the far end of the channel, with the fixture blocks the sections insert.
struct Cad {
    Cad();
    cad::Drawing drawing;
    cad::command::CommandLine commandLine{drawing};
    long sends = 0;
};

class Pipeline;

struct Stage {
    const char* name;
    bool (*run)(Pipeline&); // true when the stage did its work
};

// The stages in the order the pipeline runs them.
const std::vector<Stage>& Stages();
// The index of the stage of that name; throws when there is none.
std::size_t StageIndex(const std::string& name);

// The documents and the CAD every stage works with.
class Pipeline {
public:
    // Writes the documents into `folder`; the DXF goes there too.
    explicit Pipeline(const std::string& folder);
    // Works on the documents an earlier pipeline wrote into `folder`; Start or Restart before
    // running a stage.
    Pipeline(const std::string& folder, const Documents& written);

    // A new CAD and a program just started.
    void Restart();
    // The same in a process that has not run the program before: nothing to clear.
    void Start();
    // Runs stage `index`; throws naming the stage when it reports failure.
    void Run(std::size_t index);

    Cad& CurrentCad() { return *cad_; }
    const Documents& Paths() const { return documents_; }
    // The DXF file the last stage writes.
    const std::string& DxfPath() const { return dxf_; }

private:
    Documents documents_;
    std::string dxf_;
    std::unique_ptr<Cad> cad_;
    std::unique_ptr<dde::ServerRegistration> server_;
};

} // namespace pipeline_bench
