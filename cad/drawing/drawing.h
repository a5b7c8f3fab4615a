#pragma once
// The drawing database: the entities of model space, the block definitions and the
// current settings that new entities take (colour).
#include "cad/drawing/entity.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad {

class EntityIndex;

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
    std::vector<Entity>& Entities() { return EntitiesFrom(0); }
    // The same for a change that leaves the entities before `first` as and where they are.
    std::vector<Entity>& EntitiesFrom(std::size_t first) {
        ++revision_;
        index_.unchanged = std::min(index_.unchanged, first);
        if (changeWatcher_.call) changeWatcher_.call(first);
        return entities_;
    }
    // Erases the entities at the ascending indices `gone`; those after them move down.
    void Erase(const std::vector<std::size_t>& gone);
    // Told, before each taking of the entities for change, the first entity the change may
    // touch (undo keeps what stands there); an empty function stops the telling.
    void SetChangeWatcher(std::function<void(std::size_t first)> watcher) { changeWatcher_.call = std::move(watcher); }
    const std::vector<Entity>& Entities() const { return entities_; }

    // The entities by where they lie, brought up to date with the changes since last asked.
    const EntityIndex& Index() const;

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
        index_.unchanged = 0; // inserts take the shape of their blocks
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
    // The index and how many of the entities it holds have stayed as and where they were;
    // a copied or moved drawing builds its own.
    struct IndexCache {
        IndexCache();
        IndexCache(const IndexCache&);
        IndexCache& operator=(const IndexCache&);
        ~IndexCache();
        std::unique_ptr<EntityIndex> index;
        std::size_t unchanged = 0;
    };

    std::vector<Entity> entities_;
    std::map<std::string, Block> blocks_;
    int colour_ = kByLayer;
    std::optional<Rect> view_;
    unsigned long viewChanges_ = 0;
    unsigned long revision_ = 0;
    // The watcher belongs to this drawing object, not to its contents: a copy starts unwatched
    // and an assignment keeps the watcher it had.
    struct ChangeWatcher {
        ChangeWatcher() = default;
        ChangeWatcher(const ChangeWatcher&) {}
        ChangeWatcher& operator=(const ChangeWatcher&) { return *this; }
        std::function<void(std::size_t)> call;
    };
    ChangeWatcher changeWatcher_;
    mutable IndexCache index_;
};

} // namespace cad
