#include "app/KeyedList.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(KeyedList, OneBasedInInsertionOrderWithOptionalKeys) {
    KeyedList<std::string> list;
    list.add(std::make_shared<std::string>("a"), "first");
    list.add(std::make_shared<std::string>("b"));
    list.add(std::make_shared<std::string>("c"), "third");
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(*list.item(1), "a");
    EXPECT_EQ(*list.find("third"), "c");
    EXPECT_EQ(list.indexOfKey("third"), 3);
    EXPECT_EQ(list.find("none"), nullptr);
    EXPECT_THROW(list.item(0), std::out_of_range);
    EXPECT_THROW(list.item(4), std::out_of_range);
    EXPECT_THROW(list.add(std::make_shared<std::string>("d"), "first"), std::invalid_argument);
    list.remove(1);
    EXPECT_EQ(*list.item(1), "b");
    std::string joined;
    for (const auto& s : list) joined += *s;
    EXPECT_EQ(joined, "bc");
    list.clear();
    EXPECT_TRUE(list.empty());
}

} // namespace
} // namespace vardex
