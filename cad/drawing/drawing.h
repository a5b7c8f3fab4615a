#pragma once
// The drawing database: the entities of model space, the block definitions and the
// current settings that new entities take (colour).
#include "cad/drawing/entity.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad {

struct Block {
    std::string name;
    Point base;
    std::vector<Entity> entities;
};

// Block names compare without regard to the case of ASCII letters.
std::string BlockKey(std::string_view name);

class Drawing {
public:
    // Taking the entities for change counts as a change of the drawing.
    std::vector<Entity>& Entities() {
        ++revision_;
        return entities_;
    }
    const std::vector<Entity>& Entities() const { return entities_; }

    // Adds a shape in the current colour.
    void Add(Shape shape) {
        ++revision_;
        Entity& added = entities_.emplace_back();
        added.shape = std::move(shape);
        added.colour = colour_;
    }

    // Grows with every change that may have touched the entities or the blocks: a screen
    // or an index built on the drawing tells from it that it has to be built again.
    unsigned long Revision() const { return revision_; }

    // Takes the entities and blocks of another drawing (a drawing file opened in this one);
    // the current colour goes back to by layer and the view to the extents.
    void TakeContents(Drawing&& other);

    int CurrentColour() const { return colour_; }
    void SetCurrentColour(int colour) { colour_ = colour; }

    const Block* FindBlock(std::string_view name) const;
    // Defines the block, replacing a definition of the same name; inserts follow it by name.
    void SetBlock(Block block);
    const std::map<std::string, Block>& Blocks() const { return blocks_; }
    void SetBlocks(std::map<std::string, Block> blocks) {
        ++revision_;
        blocks_ = std::move(blocks);
    }

    // Whether the definition of `block` refers, directly or through nested inserts, to `name`.
    bool BlockRefersTo(std::string_view block, std::string_view name) const;

    // The window the user last zoomed to; empty means the extents.
    const std::optional<Rect>& View() const { return view_; }
    void SetView(std::optional<Rect> view) {
        view_ = view;
        ++viewChanges_;
    }
    // How many times the view was set: a screen can tell a new zoom from the one it showed.
    unsigned long ViewChanges() const { return viewChanges_; }

private:
    std::vector<Entity> entities_;
    std::map<std::string, Block> blocks_;
    int colour_ = kByLayer;
    std::optional<Rect> view_;
    unsigned long viewChanges_ = 0;
    unsigned long revision_ = 0;
};

} // namespace cad
