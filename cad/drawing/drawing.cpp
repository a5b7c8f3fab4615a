#include "cad/drawing/drawing.h"

#include "cad/drawing/entity_index.h"

#include <set>

namespace cad {

std::string BlockKey(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

const Block* Drawing::FindBlock(std::string_view name) const {
    const auto it = blocks_.find(BlockKey(name));
    return it == blocks_.end() ? nullptr : &it->second;
}

Drawing::IndexCache::IndexCache() = default;
Drawing::IndexCache::IndexCache(const IndexCache&) {}
Drawing::IndexCache& Drawing::IndexCache::operator=(const IndexCache&) {
    index.reset();
    return *this;
}
Drawing::IndexCache::~IndexCache() = default;

const EntityIndex& Drawing::Index() const {
    if (!index_.index) index_.index = std::make_unique<EntityIndex>(*this);
    else index_.index->Update(*this, index_.unchanged);
    index_.unchanged = entities_.size();
    return *index_.index;
}

void Drawing::Erase(const std::vector<std::size_t>& gone) {
    const std::size_t first = gone.empty() ? entities_.size() : std::min(gone.front(), entities_.size());
    const std::size_t unchanged = index_.unchanged;
    auto& all = EntitiesFrom(first);
    std::size_t next = 0, out = first;
    for (std::size_t i = first; i < all.size(); ++i) {
        if (next < gone.size() && gone[next] == i) {
            ++next;
            continue;
        }
        if (out != i) all[out] = std::move(all[i]);
        ++out;
    }
    all.resize(out);
    // The index moves the entities after the erased ones down rather than taking them anew.
    if (index_.index) index_.unchanged = index_.index->Erase(gone, unchanged);
}

void Drawing::SetBlock(Block block) {
    ++revision_;
    index_.unchanged = 0; // inserts take the shape of their blocks
    std::string key = BlockKey(block.name);
    blocks_[std::move(key)] = std::move(block);
}

void Drawing::TakeContents(Drawing&& other) {
    ++revision_;
    index_.unchanged = 0;
    entities_ = std::move(other.entities_);
    blocks_ = std::move(other.blocks_);
    colour_ = kByLayer;
    SetView(std::nullopt);
}

bool Drawing::BlockRefersTo(std::string_view block, std::string_view name) const {
    const std::string target = BlockKey(name);
    std::set<std::string> seen;
    std::vector<std::string> pending{BlockKey(block)};
    while (!pending.empty()) {
        const std::string key = std::move(pending.back());
        pending.pop_back();
        if (key == target) return true;
        if (!seen.insert(key).second) continue;
        const auto it = blocks_.find(key);
        if (it == blocks_.end()) continue;
        for (const Entity& e : it->second.entities)
            if (const auto* ins = std::get_if<Insert>(&e.shape)) pending.push_back(BlockKey(ins->block));
    }
    return false;
}

} // namespace cad
