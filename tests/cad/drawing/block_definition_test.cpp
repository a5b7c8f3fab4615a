#include "cad/drawing/block_definition.h"

#include <gtest/gtest.h>

using namespace cad;

TEST(BlockDefinition, SelectedEntitiesLeaveModelSpaceRelativeToTheBase) {
    Drawing d;
    d.Add(Line{{10, 10}, {20, 10}});
    d.Add(Circle{{0, 0}, 1});
    EXPECT_EQ(DefineBlock(d, "b", {10, 10}, {0}), BlockDefinitionResult::Defined);
    ASSERT_EQ(d.Entities().size(), 1u);
    const Block* b = d.FindBlock("B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->base.x, 10);
    EXPECT_EQ(std::get<Line>(b->entities[0].shape).a.x, 10);
    EXPECT_EQ(DefineBlock(d, "B", {0, 0}, {0}), BlockDefinitionResult::Redefined);
    EXPECT_EQ(DefineBlock(d, "B", {0, 0}, {}), BlockDefinitionResult::Empty);
}

TEST(BlockDefinition, RefusesABlockThatWouldContainItselfAndChangesNothing) {
    Drawing d;
    d.SetBlock(Block{"A", {}, {Entity{Line{{0, 0}, {1, 0}}}}});
    d.SetBlock(Block{"B", {}, {Entity{Insert{"a", {}}}}});
    d.Add(Insert{"B", {}});
    EXPECT_EQ(DefineBlock(d, "A", {}, {0}), BlockDefinitionResult::RefersToItself);
    EXPECT_EQ(d.Entities().size(), 1u);
    EXPECT_EQ(d.FindBlock("A")->entities.size(), 1u);
}

TEST(BlockDefinition, NameRules) {
    for (const char* good : {"KEI1", "計画1", "未設定", "a-b_c"}) EXPECT_TRUE(IsValidBlockName(good)) << good;
    for (const char* bad : {"", "a b", "a/b", "a*b", "a,b", "a=b", "a\tb"}) EXPECT_FALSE(IsValidBlockName(bad)) << bad;
}
